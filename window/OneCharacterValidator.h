#pragma once

#include <QValidator>

class QLineEdit;

namespace window {

/**
 * Keeps a line edit to one character (one code point, so never half a surrogate pair).
 * Into an empty box, or over its selected character, a paste of several characters leaves
 * its first that the box can show: control characters (a line break, a tab) and line or
 * paragraph separators at its start are skipped. Beside a character that stays, anything
 * typed or pasted is refused. Text set by the program (through setTextUnchecked) is not
 * checked.
 */
class OneCharacterValidator : public QValidator {
    Q_OBJECT

public:
    /// Installs itself on `edit`, which becomes its parent.
    explicit OneCharacterValidator(QLineEdit* edit);

    State validate(QString& input, int& pos) const override;

    /// The first character of `text`; empty for an empty text.
    static QString firstCharacter(const QString& text);

    /// The first character of `text` that a line edit shows, past the control characters
    /// and separators at its start; empty when there is none.
    static QString firstShownCharacter(const QString& text);

    /// The number of characters of `text`, a surrogate pair counting once.
    static qsizetype characterCount(const QString& text);

private:
    QString before_;           ///< the box's text before the edit being checked
    bool replacesAll_ = false; ///< the whole of before_ is selected, so an edit replaces it
};

/// Sets the text of `edit` as the program writes it, past the validator `edit` may have:
/// QLineEdit::setText validates, and a text its validator refuses would leave the box no
/// longer undoing the refused edits that follow.
void setTextUnchecked(QLineEdit* edit, const QString& text);

} // namespace window
