#pragma once

#include "FormDefinition.h"
#include "Text.h"

#include <QWidget>
#include <array>

class QPushButton;

namespace window {

/**
 * Keys for the 30 letters of the Bulgarian alphabet, a blank and a hyphen, for pupils
 * whose keyboard has no Cyrillic layout or who play on a touch screen. A key stands for
 * typing its character; the window turns a click into a guess (keyChosen).
 */
class LetterPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int keyCount = form::letterKeys::count;

    explicit LetterPanel(QWidget* parent = nullptr);

    /// The character each key enters, in the order of the keys.
    static const std::array<QString, keyCount>& characters();

    QPushButton* key(int index) const { return keys_.at(static_cast<std::size_t>(index)); }

    /// Shows the keys whose character the letters `entered` hold as used
    /// (session::letterKeyUsed). Used keys stay clickable: a letter entered again counts.
    void markUsed(game::TextView entered);

signals:
    /// Key `key` was clicked (form::letterKeys).
    void keyChosen(int key);

private:
    std::array<QPushButton*, keyCount> keys_{};
};

} // namespace window
