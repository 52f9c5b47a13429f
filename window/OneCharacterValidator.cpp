#include "OneCharacterValidator.h"

#include <QLineEdit>

namespace window {

namespace {

// Control characters, line breaks and tabs among them, and the line and paragraph
// separators: a line edit shows none of them as what they are.
bool shown(QChar c) {
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return false;
    default:
        return true;
    }
}

} // namespace

OneCharacterValidator::OneCharacterValidator(QLineEdit* edit) : QValidator(edit) {
    // An edit is checked before the box announces its new text, so this keeps the old one.
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
    // So is the selection: whether what is typed or pasted replaces the box's character.
    connect(edit, &QLineEdit::selectionChanged, this, [this, edit] {
        replacesAll_ = edit->hasSelectedText() && edit->selectedText() == edit->text();
    });
    before_ = edit->text();
    edit->setValidator(this);
}

QValidator::State OneCharacterValidator::validate(QString& input, int& pos) const {
    if (characterCount(input) <= 1 && (input.isEmpty() || shown(input[0]))) {
        return Acceptable;
    }
    if (!before_.isEmpty() && !replacesAll_) {
        return Invalid;
    }
    input = firstShownCharacter(input);
    pos = static_cast<int>(input.size());
    return Acceptable;
}

QString OneCharacterValidator::firstCharacter(const QString& text) {
    if (text.isEmpty()) {
        return {};
    }
    const bool pair = text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate();
    return text.left(pair ? 2 : 1);
}

QString OneCharacterValidator::firstShownCharacter(const QString& text) {
    qsizetype start = 0;
    while (start < text.size() && !shown(text[start])) {
        ++start;
    }
    return firstCharacter(text.mid(start));
}

qsizetype OneCharacterValidator::characterCount(const QString& text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool secondHalf = i > 0 && text[i].isLowSurrogate() && text[i - 1].isHighSurrogate();
        count += secondHalf ? 0 : 1;
    }
    return count;
}

void setTextUnchecked(QLineEdit* edit, const QString& text) {
    const QValidator* validator = edit->validator();
    edit->setValidator(nullptr);
    edit->setText(text);
    edit->setValidator(validator);
}

} // namespace window
