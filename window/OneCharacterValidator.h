#pragma once

#include <QValidator>

class QLineEdit;

namespace window {

/**
 * Keeps a line edit to one character (one code point, so never half a surrogate pair).
 * Into an empty box, or over its selected character, a paste of several characters leaves
 * its first; beside a character that stays, anything typed or pasted is refused. Text set
 * by the program is not checked.
 */
class OneCharacterValidator : public QValidator {
    Q_OBJECT

public:
    /// Installs itself on `edit`, which becomes its parent.
    explicit OneCharacterValidator(QLineEdit* edit);

    State validate(QString& input, int& pos) const override;

    /// The first character of `text`; empty for an empty text.
    static QString firstCharacter(const QString& text);

    /// The number of characters of `text`, a surrogate pair counting once.
    static qsizetype characterCount(const QString& text);

private:
    QString before_;           ///< the box's text before the edit being checked
    bool replacesAll_ = false; ///< the whole of before_ is selected, so an edit replaces it
};

} // namespace window
