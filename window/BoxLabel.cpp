#include "BoxLabel.h"

#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

namespace window {

BoxLabel::BoxLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setFrameShape(QFrame::Box);
}

void BoxLabel::paintEvent(QPaintEvent* event) {
    // The band of rows the text's line takes, a row more above and below for glyphs
    // that reach past the font's ascent or descent.
    const QRect inside = contentsRect();
    const QRect textArea =
        QStyle::alignedRect(layoutDirection(), alignment(),
                            QSize(inside.width(), fontMetrics().height()), inside)
            .adjusted(0, -1, 0, 1);
    if (event->region().intersects(textArea)) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
}

} // namespace window
