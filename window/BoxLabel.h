#pragma once

#include <QLabel>

namespace window {

/// A label in a box, as the window's four labels are. A repaint that reaches only the
/// box's edge draws the edge alone: two labels overlap the display line by a row of
/// pixels, so every change of the display line, five times a second, repaints that
/// row of theirs, and QLabel would lay its text out anew each time for nothing.
class BoxLabel : public QLabel {
public:
    BoxLabel(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    /// Where the caption's lines are drawn, a row more on every side for glyphs that
    /// reach past the font's ascent or descent; measured again when the caption, the
    /// size or the font changes.
    QRect textArea();

    QString measuredText_;
    QRect measuredInside_;
    int measuredFlags_ = 0;
    QRect textArea_;
};

} // namespace window
