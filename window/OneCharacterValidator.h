#pragma once

#include <QValidator>

class QLineEdit;

namespace window {

/**
 * Keeps a line edit to one character, as the letter box keeps (session::keptInLetterBox):
 * into an empty box, or over its selected character, a paste of several characters leaves
 * its first that the box can show; beside a character that stays, anything typed or
 * pasted is refused. Text set by the program (through setTextUnchecked) is not checked.
 */
class OneCharacterValidator : public QValidator {
    Q_OBJECT

public:
    /// Installs itself on `edit`, which becomes its parent.
    explicit OneCharacterValidator(QLineEdit* edit);

    State validate(QString& input, int& pos) const override;

private:
    QString before_;           ///< the box's text before the edit being checked
    bool replacesAll_ = false; ///< the whole of before_ is selected, so an edit replaces it
};

/// Sets the text of `edit` as the program writes it, past the validator `edit` may have:
/// QLineEdit::setText validates, and a text its validator refuses would leave the box no
/// longer undoing the refused edits that follow.
void setTextUnchecked(QLineEdit* edit, const QString& text);

} // namespace window
