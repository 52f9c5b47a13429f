// A boxed label draws only its edge when a repaint reaches nothing else of it; what
// is on the screen must stay the same as a full drawing, whichever rows are repainted.

#include "BoxLabel.h"

#include <QLineEdit>
#include <QScreen>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

class LabelOverField : public ::testing::Test {
protected:
    LabelOverField() {
        // As in the game's window: a field under the label's bottom row, the label on top.
        window.setFixedSize(200, 80);
        field.setGeometry(0, 24, 160, 35);
        label.setGeometry(0, 0, 160, 25);
        label.setAlignment(Qt::AlignCenter);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // The window as it is on the screen: the backing store, with every partial repaint.
    QImage onScreen() {
        QCoreApplication::processEvents();
        return window.screen()
            ->grabWindow(window.winId(), 0, 0, window.width(), window.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    QWidget window;
    QLineEdit field{&window};
    window::BoxLabel label{QStringLiteral("Въведено:"), &window};
};

TEST_F(LabelOverField, keepsItsTextWhileTheFieldBelowChanges) {
    const QImage before = onScreen();
    // The text is there: some pixel of the label's middle row is dark.
    bool dark = false;
    for (int x = 0; x < 160; ++x) {
        dark = dark || qGray(before.pixel(x, 12)) < 100;
    }
    ASSERT_TRUE(dark);
    for (int i = 0; i < 5; ++i) {
        field.setText(QStringLiteral("Столица %1").arg(i));
        onScreen();
    }
    field.setText(QString());
    EXPECT_EQ(onScreen().copy(0, 0, 160, 24), before.copy(0, 0, 160, 24));
}

TEST_F(LabelOverField, drawsItsTextWhereARepaintCrossesIt) {
    // Whatever the caption: one line, or two lines in a taller box.
    for (const QString& caption :
         {QStringLiteral("Въведено:"), QStringLiteral("Възможно име\nна столица")}) {
        label.setText(caption);
        if (caption.contains(QLatin1Char('\n'))) {
            label.setGeometry(0, 0, 160, 45);
        }
        const QImage before = onScreen();
        for (int row = 0; row < label.height(); ++row) {
            label.update(QRect(0, row, 160, 1));
            ASSERT_EQ(onScreen(), before) << caption.toStdString() << ": a repaint of row " << row;
        }
    }
}

} // namespace
