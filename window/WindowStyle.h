#pragma once

#include <QProxyStyle>

namespace window {

/// Fusion, which draws the coloured button faces and fields the same on every desktop,
/// with the command buttons' faces drawn as solid fills of their colour (Fusion lays a
/// gradient over them), and two savings for a program that starts often and ticks five
/// times a second:
/// - the panels of the text fields are kept as pixmaps: Fusion draws a field's rounded,
///   antialiased panel anew at every repaint, and the display line repaints at every
///   tick while a question scrolls by, its panel unchanged;
/// - the picture of the menu bar's overflow button is read only when it is first
///   drawn: reading it at start-up makes Qt search its image-format plugins, and the
///   menu bar of the game never overflows at its designed size.
class WindowStyle : public QProxyStyle {
public:
    WindowStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace window
