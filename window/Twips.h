#pragma once

#include <QRect>
#include <cmath>

namespace window {

/// A length in twips (1/1440 inch) in pixels of a screen with the given logical DPI.
inline int twipsToPixels(int twips, double logicalDpi) {
    return static_cast<int>(std::lround(twips * logicalDpi / 1440.0));
}

/// A rectangle given in twips, in pixels.
inline QRect twipsToPixels(const QRect& twips, double logicalDpi) {
    return {twipsToPixels(twips.x(), logicalDpi), twipsToPixels(twips.y(), logicalDpi),
            twipsToPixels(twips.width(), logicalDpi), twipsToPixels(twips.height(), logicalDpi)};
}

} // namespace window
