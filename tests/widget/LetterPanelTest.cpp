#include "LetterPanel.h"

#include "WindowFixture.h"

#include <QPlainTextEdit>

namespace {

using window::LetterPanel;

class Panel : public WindowFixture {
protected:
    QPushButton* key(const QString& character) const {
        const auto& all = LetterPanel::characters();
        const auto at = std::find(all.begin(), all.end(), character);
        return form->letterPanel->key(static_cast<int>(at - all.begin()));
    }

    void clickKey(const QString& character) { QTest::mouseClick(key(character), Qt::LeftButton); }

    /// Everything the player can read in the window's fields.
    static QStringList fields(const window::MainForm& f) {
        QStringList all;
        for (QLineEdit* line : f.bukwa) {
            all << line->text() << QString::number(line->isVisible());
        }
        for (QLineEdit* line : f.stolica) {
            all << line->text();
        }
        all << QString::number(f.Buton[0]->isEnabled()) << QString::number(f.bukwa4->isVisible());
        return all;
    }
};

TEST_F(Panel, holdsTheBulgarianAlphabetABlankAndAHyphen) {
    const auto& all = LetterPanel::characters();
    QString letters;
    for (int i = 0; i < 30; ++i) {
        letters += all[static_cast<std::size_t>(i)];
    }
    EXPECT_EQ(letters, QStringLiteral("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЬЮЯ"));
    EXPECT_EQ(all[30], QStringLiteral(" "));
    EXPECT_EQ(all[31], QStringLiteral("-"));
}

TEST_F(Panel, takesThePlaceOfTheRulesOnceTheyAreHidden) {
    // At start-up the rules fill the place; the first new game puts the keys there.
    open();
    const QPoint inside = form->bukwa4->geometry().topLeft() + QPoint(20, 20);
    QWidget* atStart = form->centralWidget()->childAt(inside);
    EXPECT_TRUE(atStart == form->bukwa4 || form->bukwa4->isAncestorOf(atStart));
    clickNewGame(0);
    ASSERT_NE(form->letterPanel, nullptr);
    EXPECT_EQ(form->letterPanel->geometry(), form->bukwa4->geometry());
    EXPECT_EQ(form->letterPanel->geometry(), QRect(8, 136, 601, 211));
    const QPoint keyCentre =
        key(QStringLiteral("А"))->geometry().center() + form->letterPanel->geometry().topLeft();
    EXPECT_EQ(form->centralWidget()->childAt(keyCentre), key(QStringLiteral("А")));
    EXPECT_TRUE(key(QStringLiteral("А"))->isVisible());
}

TEST_F(Panel, appearsWithTheFirstGuessMadeBeforeAnyNewGame) {
    // The letter button can be used at start-up too; the keys then follow its state.
    setWords(0, {{U"РИМ", U"ИТАЛИЯ"}});
    open();
    typeAndGuess(QStringLiteral("р"));
    ASSERT_NE(form->letterPanel, nullptr);
    EXPECT_TRUE(form->letterPanel->isVisible());
    EXPECT_TRUE(key(QStringLiteral("Р"))->property("used").toBool());
    EXPECT_EQ(form->letterPanel->isEnabled(), Buton(0)->isEnabled());
}

TEST_F(Panel, playsAWholeGameToBravoAlone) {
    setWords(0, {{U"СВЕТИ ИВАН", U"Черно море"}});
    open();
    clickNewGame(0);
    for (const char* c : {"С", "В", "Е", "Т", "И", " ", "А", "Н"}) {
        clickKey(QString::fromUtf8(c));
    }
    EXPECT_EQ(stolica(0)->text(), QStringLiteral("СВЕТИ ИВАН"));
    EXPECT_EQ(bukwa(2)->text(), QStringLiteral("Браво!"));
    EXPECT_EQ(bukwa(3)->text(), QStringLiteral("СВЕТИ АН"));
    EXPECT_FALSE(form->letterPanel->isEnabled());
}

TEST_F(Panel, playsAWholeGameToZhalkoAlone) {
    setWords(0, {{U"ОСЛО", U"НОРВЕГИЯ"}});
    open();
    clickNewGame(0);
    for (const char* c : {"Б", "-", "В", "Г", "Д"}) {
        ASSERT_TRUE(form->letterPanel->isEnabled());
        clickKey(QString::fromUtf8(c));
    }
    EXPECT_EQ(bukwa(1)->text(), QStringLiteral("0"));
    EXPECT_EQ(bukwa(2)->text(), QStringLiteral("Жалко!"));
    EXPECT_FALSE(form->letterPanel->isEnabled());
    EXPECT_FALSE(Buton(0)->isEnabled());
    // A key of a disabled panel does nothing.
    clickKey(QStringLiteral("О"));
    EXPECT_EQ(bukwa(3)->text(), QStringLiteral("Б-ВГД"));
    clickNewGame(0);
    EXPECT_TRUE(form->letterPanel->isEnabled());
}

TEST_F(Panel, aKeyAndATypedLetterLeaveTheSameFields) {
    // Two windows with the same draws: one typed into, one played with the keys.
    setWords(0, {{U"ПАКСОС (ПАКСИ)", U"Средиземно море"}});
    open();
    ScriptedRandom otherRandom;
    window::MainForm other(lists);
    game::Game otherGame(other.session(), otherRandom);
    other.bind(otherGame);
    otherRandom.pushIndex(0);
    ASSERT_TRUE(other.load());
    other.Timer1.stop();
    other.show();
    clickNewGame(0);
    otherRandom.pushIndex(0);
    other.Buton[1]->click();
    ASSERT_EQ(fields(*form), fields(other));
    for (const char* c : {"а", "к", "-", " ", "с", "а", "ж", "п"}) {
        const QString letter = QString::fromUtf8(c);
        typeAndGuess(letter);
        const auto& all = LetterPanel::characters();
        const auto at = std::find(all.begin(), all.end(), letter.toUpper());
        QTest::mouseClick(other.letterPanel->key(static_cast<int>(at - all.begin())),
                          Qt::LeftButton);
        EXPECT_EQ(fields(*form), fields(other)) << "after " << c;
    }
}

TEST_F(Panel, showsEnteredLettersAsUsedUntilTheNextGame) {
    setWords(0, {{U"ОСЛО", U"НОРВЕГИЯ"}});
    open();
    clickNewGame(0);
    typeAndGuess(QStringLiteral("о"));
    clickKey(QStringLiteral("Я"));
    EXPECT_TRUE(key(QStringLiteral("О"))->property("used").toBool());
    EXPECT_TRUE(key(QStringLiteral("Я"))->property("used").toBool());
    EXPECT_FALSE(key(QStringLiteral("С"))->property("used").toBool());
    // Drawn grey, where an unused key shows the orange of the letter button.
    const QColor used = key(QStringLiteral("О"))->grab().toImage().pixelColor(8, 8);
    const QColor fresh = key(QStringLiteral("С"))->grab().toImage().pixelColor(8, 8);
    EXPECT_LT(std::abs(used.red() - used.blue()), 16);
    EXPECT_GT(fresh.red() - fresh.blue(), 30);
    // A used key still counts again: two more О's make four hits in ОСЛО.
    EXPECT_TRUE(key(QStringLiteral("О"))->isEnabled());
    clickKey(QStringLiteral("О"));
    EXPECT_EQ(bukwa(2)->text(), QStringLiteral("Браво!"));
    clickNewGame(0);
    EXPECT_FALSE(key(QStringLiteral("О"))->property("used").toBool());
    EXPECT_FALSE(key(QStringLiteral("Я"))->property("used").toBool());
}

TEST_F(Panel, everyKeyHasANameAndCanBeReachedByTab) {
    open();
    clickNewGame(0);
    for (int i = 0; i < LetterPanel::keyCount; ++i) {
        QPushButton* k = form->letterPanel->key(i);
        EXPECT_FALSE(k->accessibleName().isEmpty());
        EXPECT_TRUE(k->focusPolicy() & Qt::TabFocus);
    }
    EXPECT_EQ(key(QStringLiteral(" "))->accessibleName(), QStringLiteral("Интервал"));
    QApplication::setActiveWindow(form.get());
    bukwa(3)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // the hidden rules are skipped
    EXPECT_EQ(QApplication::focusWidget(), form->letterPanel->key(0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->letterPanel->key(1));
    random.pushIndex(0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(bukwa(3)->text(), QStringLiteral("Б"));
}

TEST(LetterKey, drawsWithItsOwnPalettesOnceThePanelIsGone) {
    // A key taken out of its panel keeps what it draws with (checked under AddressSanitizer).
    QWidget holder;
    auto panel = std::make_unique<LetterPanel>();
    QPushButton* key = panel->key(0);
    key->setParent(&holder);
    panel.reset();
    const QImage image = key->grab().toImage();
    EXPECT_EQ(image.pixel(3, 3), qRgb(255, 192, 128));
}

} // namespace
