// The window's style is Fusion with two savings, neither of which may show: the text
// fields' panels, kept as pixmaps, must look as Fusion draws them in every state a
// field can be in and follow a change of colour or size at once; the menu bar's
// overflow button, whose picture is read late, must show Fusion's picture.

#include "WindowStyle.h"

#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QStyleFactory>
#include <QToolButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The largest difference of one colour channel between two images of one size.
int largestDifference(const QImage& a, const QImage& b) {
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest =
                std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

class FieldPanel : public ::testing::Test {
protected:
    FieldPanel() {
        // The same field twice: once through the kept panels, once drawn by Fusion itself.
        kept.setStyle(&style);
        fusion.reset(QStyleFactory::create(QStringLiteral("Fusion")));
        drawn.setStyle(fusion.get());
        for (QLineEdit* field : {&kept, &drawn}) {
            field->setText(QStringLiteral("София"));
            field->setAlignment(Qt::AlignCenter);
        }
        resize(QSize(329, 35));
    }

    void resize(QSize size) {
        kept.resize(size);
        drawn.resize(size);
    }

    void setBase(const QColor& colour) {
        for (QLineEdit* field : {&kept, &drawn}) {
            QPalette palette = field->palette();
            palette.setColor(QPalette::Base, colour);
            field->setPalette(palette);
        }
    }

    // Both fields look the same, but for rounding at the antialiased corners.
    void expectSameLook() {
        const QImage a = kept.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage b = drawn.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(a.size(), b.size());
        EXPECT_LE(largestDifference(a, b), 2);
    }

    window::WindowStyle style;
    std::unique_ptr<QStyle> fusion;
    QLineEdit kept;
    QLineEdit drawn;
};

TEST_F(FieldPanel, looksAsFusionDrawsItInEveryState) {
    expectSameLook();
    setBase(QColor(255, 192, 128));
    expectSameLook();
    kept.setReadOnly(true);
    drawn.setReadOnly(true);
    expectSameLook();
    kept.setEnabled(false);
    drawn.setEnabled(false);
    expectSameLook();
}

TEST_F(FieldPanel, followsAChangeOfColourOrSizeAtOnce) {
    expectSameLook(); // the panel is now kept
    setBase(QColor(255, 128, 0));
    expectSameLook();
    resize(QSize(49, 35));
    expectSameLook();
    resize(QSize(49, 27));
    expectSameLook();
    // Back to the first look, as kept before.
    setBase(QApplication::palette().color(QPalette::Base));
    resize(QSize(329, 35));
    expectSameLook();
}

// The field drawn with the focus, in a window of its own.
QImage withFocus(QLineEdit& field) {
    field.show();
    field.activateWindow();
    if (!QTest::qWaitForWindowActive(&field)) {
        return {};
    }
    field.setFocus();
    return field.hasFocus() ? field.grab().toImage().convertToFormat(QImage::Format_ARGB32)
                            : QImage();
}

TEST_F(FieldPanel, showsTheFocusOfTheField) {
    // Two windows cannot both have the focus: each field is drawn alone.
    const QImage before = kept.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage focused = withFocus(kept);
    const QImage reference = withFocus(drawn);
    ASSERT_FALSE(focused.isNull());
    ASSERT_FALSE(reference.isNull());
    EXPECT_NE(focused, before); // Fusion marks the focus with the frame's colour
    EXPECT_LE(largestDifference(focused, reference), 2);
}

TEST(MenuOverflowButton, showsFusionsPictureWhenTheMenuDoesNotFit) {
    window::WindowStyle style;
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const auto which = QStyle::SP_ToolBarHorizontalExtensionButton;
    const QImage expected = fusion->standardIcon(which).pixmap(16, 16).toImage();
    ASSERT_FALSE(expected.isNull());
    EXPECT_EQ(style.standardIcon(which).pixmap(16, 16).toImage(), expected);
    EXPECT_EQ(style.standardIcon(which).actualSize(QSize(16, 16)),
              fusion->standardIcon(which).actualSize(QSize(16, 16)));

    // A menu bar too narrow for its items offers the rest behind that button.
    QMenuBar bar;
    bar.setStyle(&style);
    for (int i = 0; i < 6; ++i) {
        bar.addAction(QStringLiteral("Столици на държави %1").arg(i));
    }
    bar.resize(120, bar.sizeHint().height());
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    QToolButton* overflow = nullptr;
    for (QToolButton* button : bar.findChildren<QToolButton*>()) {
        if (button->isVisible()) {
            overflow = button;
        }
    }
    ASSERT_NE(overflow, nullptr);
    EXPECT_FALSE(overflow->icon().isNull());
    EXPECT_EQ(overflow->icon().pixmap(16, 16).toImage(), expected);
}

} // namespace
