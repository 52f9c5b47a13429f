#include "OneCharacterValidator.h"

#include "LetterBox.h"

#include <QLineEdit>

namespace window {

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
    const QString kept = QString::fromStdU32String(session::keptInLetterBox(
        before_.toStdU32String(), before_.isEmpty() || replacesAll_, input.toStdU32String()));
    if (kept == input) {
        return Acceptable;
    }
    if (kept == before_) {
        return Invalid;
    }
    input = kept;
    pos = static_cast<int>(input.size());
    return Acceptable;
}

void setTextUnchecked(QLineEdit* edit, const QString& text) {
    const QValidator* validator = edit->validator();
    edit->setValidator(nullptr);
    edit->setText(text);
    edit->setValidator(validator);
}

} // namespace window
