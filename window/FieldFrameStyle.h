#pragma once

#include <QProxyStyle>

namespace window {

/// Fusion, with the panels of the text fields kept as pixmaps. Fusion draws a field's
/// rounded, antialiased panel anew at every repaint, and the display line repaints five
/// times a second while a question scrolls by; its panel never changes meanwhile, so
/// it is drawn once and copied after that.
class FieldFrameStyle : public QProxyStyle {
public:
    FieldFrameStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

} // namespace window
