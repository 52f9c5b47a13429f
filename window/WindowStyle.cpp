#include "WindowStyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QPointer>
#include <QStyleOption>

namespace window {

namespace {

// An icon of the base style that is asked for only when it is first drawn or measured.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which)
        : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("geografia-deferred"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& icon() {
        if (!read_) {
            read_ = true;
            if (style_) {
                icon_ = style_->standardIcon(which_);
            }
        }
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    bool read_ = false;
    QIcon icon_;
};

} // namespace

WindowStyle::WindowStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

QIcon WindowStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton) {
        return QIcon(new DeferredIconEngine(baseStyle(), icon));
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

// A command button's face is a solid fill of its palette's button colour, as the window's
// coloured buttons have always looked, inside a dark edge. A pressed button shows a darker
// face, a focused one a line of the highlight colour inside its edge, a disabled one a
// paler edge (its caption is greyed by the label's own drawing).
static void drawSolidButtonPanel(const QStyleOption* option, QPainter* painter) {
    const QColor face = option->palette.color(QPalette::Button);
    const bool enabled = option->state.testFlag(QStyle::State_Enabled);
    const bool pressed = option->state & (QStyle::State_Sunken | QStyle::State_On);
    const QRect edge = option->rect.adjusted(0, 0, -1, -1);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(enabled ? face.darker(300) : face.darker(150));
    painter->setBrush(pressed ? face.darker(125) : face);
    painter->drawRect(edge);
    if (option->state.testFlag(QStyle::State_HasFocus) && enabled) {
        painter->setPen(option->palette.color(QPalette::Highlight));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(edge.adjusted(1, 1, -1, -1));
    }
    painter->restore();
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (element == PE_PanelButtonCommand) {
        drawSolidButtonPanel(option, painter);
        return;
    }
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
