#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>

namespace window {

/// Where an element takes its background from.
enum class Background {
    Form,         ///< the window's colour shows through
    SystemWindow, ///< the system's colour for text fields
    Own,          ///< a colour of its own
};

/// How one element of the main window looks: its place in twips, colour and font.
struct ElementLook {
    const char* name; ///< object name: element name and index, as in "bukwa(3)"
    QRect twips;      ///< left, top, width, height in the client area
    Background background;
    QRgb colour;     ///< the own background colour
    qreal pointSize; ///< 0: the window's font size
    bool bold;
    bool italic;
};

/// The client area of the main window, in twips, below the menu bar.
inline constexpr QSize clientTwips{9345, 5340};

/// The window's background colour and font, inherited by elements without their own.
inline constexpr QRgb formColour = qRgb(192, 192, 255);
inline constexpr qreal formPointSize = 12;

/// The font family of every text in the window: Times New Roman where it is installed,
/// otherwise the first installed serif with its metrics. Needs the QApplication.
QString formFontFamily();

/// Every visible element of the window.
extern const std::array<ElementLook, 13> elementLooks;

} // namespace window
