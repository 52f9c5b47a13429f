#include "FieldFrameStyle.h"

#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyleOption>

namespace window {

FieldFrameStyle::FieldFrameStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

void FieldFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element != PE_PanelLineEdit || frame == nullptr || option->rect.isEmpty()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Everything the panel's drawing depends on: its size, colours, state and frame.
    const qreal ratio = painter->device()->devicePixelRatioF();
    const QString key = QStringLiteral("geografia-field-%1x%2-%3-%4-%5-%6")
                            .arg(option->rect.width())
                            .arg(option->rect.height())
                            .arg(option->palette.cacheKey())
                            .arg(static_cast<uint>(option->state))
                            .arg(frame->lineWidth)
                            .arg(ratio);
    QPixmap panel;
    if (!QPixmapCache::find(key, &panel)) {
        panel = QPixmap(option->rect.size() * ratio);
        panel.setDevicePixelRatio(ratio);
        panel.fill(Qt::transparent);
        QStyleOptionFrame atOrigin = *frame;
        atOrigin.rect.moveTo(0, 0);
        QPainter panelPainter(&panel);
        QProxyStyle::drawPrimitive(element, &atOrigin, &panelPainter, widget);
        panelPainter.end();
        QPixmapCache::insert(key, panel);
    }
    painter->drawPixmap(option->rect.topLeft(), panel);
}

} // namespace window
