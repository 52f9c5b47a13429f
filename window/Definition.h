#pragma once

// The window's definition in Qt's terms: its texts, colours, names and places as Qt
// takes them, and the installed font family that stands for Times New Roman.

#include "FormDefinition.h"
#include "Twips.h"

#include <QColor>
#include <QRect>
#include <QString>

namespace window {

inline QString toQString(form::TextView text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

inline QColor toQColor(form::Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

/// The object name of an element: its name and index, as in "bukwa(3)".
inline QString elementName(form::ElementId id) {
    return QStringLiteral("%1(%2)")
        .arg(QLatin1StringView(id.name.data(), static_cast<qsizetype>(id.name.size())))
        .arg(id.index);
}

/// A rectangle in twips, in pixels of a screen with the given logical DPI.
inline QRect toPixels(form::TwipsRect twips, double logicalDpi) {
    return twipsToPixels(QRect(twips.left, twips.top, twips.width, twips.height), logicalDpi);
}

/// The font family of every text in the window: the first of the window's families
/// that is installed, otherwise the generic serif family. Needs the QApplication.
QString formFontFamily();

} // namespace window
