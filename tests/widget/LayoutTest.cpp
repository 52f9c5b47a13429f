#include "Definition.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <ostream>

namespace {

// The window as drawn, in twips: place, background, font and first text of each element.
struct Expected {
    const char* name;
    int left, top, width, height;
    QRgb background; // or none for labels, which let the form's colour through
    qreal pointSize;
    bool bold, italic;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const Expected& e) {
    return out << e.name;
}

constexpr QRgb none = 0;
constexpr QRgb system = 1; // the system's colour for text fields

class ElementLook : public WindowFixture, public ::testing::WithParamInterface<Expected> {};

TEST_P(ElementLook, matchesTheWindowsDrawing) {
    // At 96 dots per inch, 15 twips make one pixel.
    open();
    const Expected& e = GetParam();
    auto* element = form->centralWidget()->findChild<QWidget*>(QString::fromLatin1(e.name));
    ASSERT_NE(element, nullptr);
    const double pixelsPerTwip = form->logicalDpiX() / 1440.0;
    EXPECT_EQ(element->geometry(),
              QRect(qRound(e.left * pixelsPerTwip), qRound(e.top * pixelsPerTwip),
                    qRound(e.width * pixelsPerTwip), qRound(e.height * pixelsPerTwip)));
    EXPECT_EQ(element->font().family(), window::formFontFamily());
    EXPECT_DOUBLE_EQ(element->font().pointSizeF(), e.pointSize);
    EXPECT_EQ(element->font().bold(), e.bold);
    EXPECT_EQ(element->font().italic(), e.italic);
    if (e.background == system) {
        EXPECT_EQ(element->palette().color(QPalette::Base),
                  QApplication::palette().color(QPalette::Base));
    } else if (e.background != none) {
        const auto role = qobject_cast<QPushButton*>(element) ? QPalette::Button : QPalette::Base;
        EXPECT_EQ(element->palette().color(role).rgb(), e.background);
    }
    QString text;
    if (auto* line = qobject_cast<QLineEdit*>(element)) {
        text = line->text();
    } else if (auto* button = qobject_cast<QPushButton*>(element)) {
        text = button->text();
    } else if (auto* label = qobject_cast<QLabel*>(element)) {
        text = label->text();
    }
    if (e.text != nullptr) {
        EXPECT_EQ(text, QString::fromUtf8(e.text));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ElementLook,
    ::testing::Values(
        Expected{"Label1(0)", 120, 0, 3495, 375, none, 12, false, false, "Възможно име на столица"},
        Expected{"stolica(1)", 120, 360, 4935, 525, system, 20.25, false, false, nullptr},
        Expected{"Label1(3)", 3720, 0, 1335, 375, none, 12, false, false, "Въведено:"},
        Expected{"bukwa(3)", 5160, 0, 3975, 315, qRgb(192, 192, 255), 12, true, true, ""},
        Expected{"stolica(0)", 5160, 360, 3975, 525, qRgb(255, 192, 128), 14.25, true, false,
                 " Нова игра"},
        Expected{"Buton(1)", 120, 960, 1815, 495, qRgb(255, 0, 0), 12, false, false, "Нова игра"},
        Expected{"Label1(1)", 2040, 1080, 1215, 375, none, 12, false, false, "брой опити"},
        Expected{"bukwa(1)", 3360, 1080, 495, 405, system, 14.25, true, false, "5"},
        Expected{"Label1(2)", 4200, 1080, 1695, 375, none, 12, false, false, "Главна буква/и"},
        Expected{"bukwa(0)", 6000, 960, 735, 645, system, 26.25, false, false, ""},
        Expected{"Buton(0)", 6840, 1080, 2295, 495, qRgb(255, 192, 128), 12, false, false,
                 "Въвеждам буква"},
        Expected{"bukwa(2)", 2040, 1560, 3975, 405, qRgb(255, 128, 0), 15.75, true, false, ""},
        Expected{"bukwa(4)", 120, 2040, 9015, 3165, qRgb(224, 224, 224), 12, false, false,
                 nullptr}));

using Window = WindowFixture;

TEST_F(Window, hasItsCaptionFixedSizeAndNoMaximizeOrMinimizeButton) {
    open();
    EXPECT_EQ(form->windowTitle(),
              QStringLiteral("   География -  столици, общини, реки, острови"));
    const double pixelsPerTwip = form->logicalDpiX() / 1440.0;
    EXPECT_EQ(form->centralWidget()->size(),
              QSize(qRound(9345 * pixelsPerTwip), qRound(5340 * pixelsPerTwip)));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(form->windowIcon().actualSize(QSize(32, 32)), QSize(32, 32));
    EXPECT_EQ(form->palette().color(QPalette::Window).rgb(), qRgb(192, 192, 255));
}

TEST_F(Window, showsTheFormsColourAndFontThroughItsLabels) {
    open();
    for (QLabel* label : form->Label1) {
        EXPECT_FALSE(label->autoFillBackground());
        EXPECT_EQ(label->alignment(), Qt::AlignCenter);
    }
    // Where Times New Roman is missing, a serif with the same metrics stands in, named
    // directly: the family asked for is the family drawn.
    const QFontInfo resolved(form->Label1[0]->font());
    EXPECT_TRUE(resolved.family() == QStringLiteral("Times New Roman") ||
                resolved.family() == QStringLiteral("Liberation Serif"))
        << resolved.family().toStdString();
    EXPECT_EQ(resolved.family(), window::formFontFamily());
}

TEST_F(Window, showsTheIconPictureOfThePackage) {
    // The window keeps its icon as raw pixels; they must be the pixels of the PNG
    // that the package installs, in the right order of colours.
    open();
    const QImage shown = form->windowIcon()
                             .pixmap(QSize(32, 32), 1.0)
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage packaged = QImage(QStringLiteral(GEOGRAFIA_ICON_PNG))
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ASSERT_EQ(packaged.size(), QSize(32, 32));
    EXPECT_EQ(shown, packaged);
}

TEST_F(Window, hasSixMenuItemsInOrderThenTheListsItemWithoutSubmenus) {
    open();
    const QStringList captions{"Изход", "Столици", "Общини", "Реки", "Острови", "Щат-столица"};
    const auto actions = form->menuBar()->actions();
    ASSERT_EQ(actions.size(), captions.size() + 1);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        EXPECT_EQ(actions[i]->text(), captions[i]);
        EXPECT_EQ(actions[i]->menu(), nullptr);
        EXPECT_EQ(actions[i], form->Obrabotwa[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(actions.back(), form->listsItem);
    EXPECT_EQ(actions.back()->text(), QStringLiteral("Списъци…"));
    EXPECT_EQ(actions.back()->shortcut(), QKeySequence(Qt::ALT | Qt::Key_L));
    EXPECT_EQ(actions.back()->menu(), nullptr);
}

TEST_F(Window, showsTheEightParagraphsOfTheRulesInAScrollingBox) {
    open();
    const QString rules = form->bukwa4->toPlainText();
    EXPECT_EQ(rules.count(QLatin1Char('\n')), 8);
    EXPECT_TRUE(rules.startsWith(QStringLiteral("Правилата на играта Словоловка")));
    EXPECT_TRUE(rules.contains(QStringLiteral("опити за \"отгатване\". Ако терминът")));
    EXPECT_EQ(rules.size(), 1407 - 8); // each CR LF ends a line as one line break
    EXPECT_TRUE(form->bukwa4->isVisible());
    EXPECT_FALSE(form->bukwa4->isReadOnly());
    EXPECT_EQ(form->bukwa4->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(Window, letsTheReadOnlyFieldsRefuseTyping) {
    // Only the letter box, the display line and the rules take typing.
    open();
    for (int i : {1, 2, 3}) {
        const QString before = bukwa(i)->text();
        type(bukwa(i), QStringLiteral("жк"));
        EXPECT_EQ(bukwa(i)->text(), before) << "bukwa(" << i << ")";
    }
    type(stolica(0), QStringLiteral("жк"));
    EXPECT_EQ(stolica(0)->text(), QStringLiteral(" Нова игра"));
    stolica(1)->clear();
    type(stolica(1), QStringLiteral("жк"));
    EXPECT_EQ(stolica(1)->text(), QStringLiteral("жк"));
}

TEST_F(Window, drawsTheButtonFacesAsSolidFillsOfTheirColours) {
    // Every pixel inside the edge and away from the caption wears the face's colour,
    // also once the button is disabled; pressed, the face is darker.
    open();
    for (const auto& [button, face] :
         {std::pair{Buton(1), qRgb(255, 0, 0)}, std::pair{Buton(0), qRgb(255, 192, 128)}}) {
        for (bool enabled : {true, false}) {
            button->setEnabled(enabled);
            const QImage image = button->grab().toImage();
            const int middle = image.height() / 2;
            for (const QPoint& p : {QPoint(3, 3), QPoint(image.width() - 4, image.height() - 4),
                                    QPoint(5, middle), QPoint(image.width() - 6, middle)}) {
                EXPECT_EQ(image.pixel(p), face) << button->text().toStdString() << " at " << p.x()
                                                << "," << p.y() << " enabled " << enabled;
            }
        }
        button->setEnabled(true);
        button->setDown(true);
        EXPECT_NE(button->grab().toImage().pixel(5, 5), face) << "pressed";
        button->setDown(false);
    }
}

TEST_F(Window, findsItsElementsByNameAndRefusesAnUnknownName) {
    open();
    EXPECT_EQ(window::elementNamed(form->centralWidget(), QStringLiteral("bukwa(3)")), bukwa(3));
    EXPECT_THROW(window::elementNamed(form->centralWidget(), QStringLiteral("bukwa(9)")),
                 std::logic_error);
}

TEST_F(Window, startsWithTheTimerRunningEveryTwoHundredMilliseconds) {
    create();
    random.pushIndex(0);
    EXPECT_FALSE(form->Timer1.isActive());
    ASSERT_TRUE(form->load());
    EXPECT_TRUE(form->Timer1.isActive());
    EXPECT_EQ(form->Timer1.interval(), 200);
    form->Timer1.stop();
}

} // namespace
