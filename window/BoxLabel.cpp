#include "BoxLabel.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

namespace window {

BoxLabel::BoxLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setFrameShape(QFrame::Box);
    // A caption may be a teacher's text: never markup.
    setTextFormat(Qt::PlainText);
}

QRect BoxLabel::textArea() {
    const QRect inside = contentsRect();
    const int flags = static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    if (text() != measuredText_ || inside != measuredInside_ || flags != measuredFlags_ ||
        textArea_.isNull()) {
        measuredText_ = text();
        measuredInside_ = inside;
        measuredFlags_ = flags;
        textArea_ = fontMetrics().boundingRect(inside, flags, text()).adjusted(-1, -1, 1, 1);
    }
    return textArea_;
}

void BoxLabel::paintEvent(QPaintEvent* event) {
    if (event->region().intersects(textArea())) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
}

void BoxLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        textArea_ = QRect();
    }
    QLabel::changeEvent(event);
}

} // namespace window
