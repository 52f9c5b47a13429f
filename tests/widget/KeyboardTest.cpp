#include "LetterPanel.h"
#include "WindowFixture.h"

#include <QPlainTextEdit>
#include <algorithm>
#include <utility>

namespace {

using Keyboard = WindowFixture;

TEST_F(Keyboard, enterInTheLetterBoxGuessesOnlyWhileTheButtonIsEnabled) {
    setWords(0, {{U"РИМ", U"ИТАЛИЯ"}});
    open();
    clickNewGame(0);
    for (const char* letter : {"р", "и", "м"}) {
        type(bukwa(0), QString::fromUtf8(letter));
        QTest::keyClick(bukwa(0), Qt::Key_Return);
    }
    EXPECT_EQ(bukwa(2)->text(), QStringLiteral("Браво!"));
    ASSERT_FALSE(Buton(0)->isEnabled());
    type(bukwa(0), QStringLiteral("р"));
    QTest::keyClick(bukwa(0), Qt::Key_Return);
    EXPECT_EQ(bukwa(3)->text(), QStringLiteral("РИМ"));
    EXPECT_EQ(bukwa(0)->text(), QStringLiteral("р"));
}

TEST_F(Keyboard, theFocusReturnsToTheLetterBoxAfterAGuessAndANewGame) {
    open();
    QApplication::setActiveWindow(form.get());
    clickNewGame(0);
    EXPECT_EQ(QApplication::focusWidget(), bukwa(0));
    Buton(0)->setFocus();
    QTest::mouseClick(Buton(0), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), bukwa(0));
}

TEST_F(Keyboard, enterOrSpaceOnAFocusedButtonClicksItAsOnThePage) {
    // "Нова игра" starts a game, "Въвеждам буква" guesses, a letter key chooses its letter.
    setWords(0, {{U"РИМ", U"ИТАЛИЯ"}});
    open();
    QApplication::setActiveWindow(form.get());
    random.pushIndex(0);
    Buton(1)->setFocus();
    QTest::keyClick(Buton(1), Qt::Key_Return);
    EXPECT_EQ(stolica(0)->text(), QStringLiteral("???"));
    for (const auto& [letter, key] : {std::pair{"р", Qt::Key_Return}, {"и", Qt::Key_Enter}}) {
        type(bukwa(0), QString::fromUtf8(letter));
        Buton(0)->setFocus();
        QTest::keyClick(Buton(0), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_EQ(QApplication::focusWidget(), bukwa(0));
    }
    EXPECT_EQ(bukwa(3)->text(), QStringLiteral("РИ"));
    type(bukwa(0), QStringLiteral("ж"));
    Buton(0)->setFocus();
    QTest::keyClick(Buton(0), Qt::Key_Space);
    EXPECT_EQ(bukwa(3)->text(), QStringLiteral("РИЖ"));
    ASSERT_NE(form->letterPanel, nullptr);
    const auto m = std::find(window::LetterPanel::characters().begin(),
                             window::LetterPanel::characters().end(), QStringLiteral("М"));
    QPushButton* key =
        form->letterPanel->key(static_cast<int>(m - window::LetterPanel::characters().begin()));
    key->setFocus();
    QTest::keyClick(key, Qt::Key_Return);
    EXPECT_EQ(stolica(0)->text(), QStringLiteral("РИМ"));
    EXPECT_EQ(bukwa(2)->text(), QStringLiteral("Браво!"));
}

TEST_F(Keyboard, theProgramsTextsPassTheLetterBoxsValidator) {
    // Over a letter, the game's text stays as written, and later typing is still refused.
    open();
    bukwa(0)->setFocus();
    type(bukwa(0), QStringLiteral("а"));
    form->session().setBukwaText(0, U"ДЕ");
    EXPECT_EQ(bukwa(0)->text(), QStringLiteral("ДЕ"));
    type(bukwa(0), QStringLiteral("жз"));
    EXPECT_EQ(bukwa(0)->text(), QStringLiteral("ДЕ"));
    form->session().setBukwaText(0, U"");
    type(bukwa(0), QStringLiteral("жз"));
    EXPECT_EQ(bukwa(0)->text(), QStringLiteral("ж"));
}

TEST_F(Keyboard, ctrlNStartsANewGame) {
    setWords(0, {{U"РИМ", U"ИТАЛИЯ"}});
    open();
    QApplication::setActiveWindow(form.get());
    random.pushIndex(0);
    QTest::keyClick(form.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(stolica(0)->text(), QStringLiteral("???"));
    EXPECT_EQ(game->state().timerMode, game::GameState::Marquee);
}

TEST_F(Keyboard, tabMovesThroughTheFieldsInTheWindowsOrder) {
    open();
    QApplication::setActiveWindow(form.get());
    stolica(0)->setFocus();
    const std::vector<QWidget*> order{bukwa(0), bukwa(1), Buton(0),    stolica(1),
                                      Buton(1), bukwa(3), form->bukwa4};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(Keyboard, everyFieldHasANameForScreenReaders) {
    open();
    for (QWidget* field : std::initializer_list<QWidget*>{bukwa(0), bukwa(1), bukwa(2), bukwa(3),
                                                          form->bukwa4, stolica(0), stolica(1)}) {
        EXPECT_FALSE(field->accessibleName().isEmpty()) << field->objectName().toStdString();
    }
}

} // namespace
