#include "WindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>

namespace {

using Play = WindowFixture;

TEST_F(Play, aWholeGameToBravoThroughTheWindow) {
    // Lower case, a Latin look-alike and a repeat: the fields show what the rules say.
    setWords(0, {{U"РИМ", U"ИТАЛИЯ"}});
    open();
    clickNewGame(0);
    EXPECT_FALSE(form->bukwa4->isVisible());
    EXPECT_EQ(stolica(0)->text(), QStringLiteral("???"));
    EXPECT_EQ(bukwa(1)->text(), QStringLiteral("5"));
    typeAndGuess(QStringLiteral("р"));
    EXPECT_EQ(stolica(0)->text(), QStringLiteral("Р??"));
    typeAndGuess(QStringLiteral("m")); // Latin: a miss
    EXPECT_EQ(bukwa(1)->text(), QStringLiteral("4"));
    typeAndGuess(QStringLiteral("и"));
    typeAndGuess(QStringLiteral("м"));
    EXPECT_EQ(stolica(0)->text(), QStringLiteral("РИМ"));
    EXPECT_EQ(bukwa(3)->text(), QStringLiteral("РMИМ"));
    EXPECT_TRUE(bukwa(2)->isVisible());
    EXPECT_EQ(bukwa(2)->text(), QStringLiteral("Браво!"));
    EXPECT_FALSE(Buton(0)->isEnabled());
    tick();
    EXPECT_TRUE(QString::fromStdU32String(game->state().questionText).endsWith(" e: РИМ"));
}

TEST_F(Play, aWholeGameToZhalkoThroughTheWindow) {
    setWords(0, {{U"ОСЛО", U"НОРВЕГИЯ"}});
    open();
    clickNewGame(0);
    for (const char* letter : {"а", "б", "", "в", "г"}) {
        ASSERT_TRUE(Buton(0)->isEnabled());
        typeAndGuess(QString::fromUtf8(letter));
    }
    EXPECT_EQ(bukwa(1)->text(), QStringLiteral("0"));
    EXPECT_EQ(bukwa(3)->text(), QStringLiteral("АБВГ")); // the empty input entered nothing
    EXPECT_TRUE(bukwa(2)->isVisible());
    EXPECT_EQ(bukwa(2)->text(), QStringLiteral("Жалко!"));
    EXPECT_FALSE(Buton(0)->isEnabled());
    // A new game hides the banner and enables the letter button again.
    clickNewGame(0);
    EXPECT_FALSE(bukwa(2)->isVisible());
    EXPECT_TRUE(Buton(0)->isEnabled());
    EXPECT_EQ(bukwa(3)->text(), QString());
}

TEST_F(Play, theLetterBoxKeepsOneCharacterOfAPaste) {
    // A paste of several characters keeps the first one; a pasted emoji stays whole.
    open();
    for (const auto& [pasted, kept] : std::initializer_list<std::pair<QString, QString>>{
             {QStringLiteral("абв"), QStringLiteral("а")},
             {QStringLiteral("😀x"), QStringLiteral("😀")},
             {QStringLiteral("е\u0301"), QStringLiteral("е")},
             {QString(5000, QLatin1Char('z')), QStringLiteral("z")}}) {
        for (bool overASelectedLetter : {false, true}) {
            bukwa(0)->setText(overASelectedLetter ? QStringLiteral("ж") : QString());
            bukwa(0)->setFocus();
            bukwa(0)->selectAll();
            QApplication::clipboard()->setText(pasted);
            QTest::keyClick(bukwa(0), Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(bukwa(0)->text(), kept) << "over a selected letter: " << overASelectedLetter;
        }
    }
    // Beside a letter that stays, a paste is refused as typing is.
    bukwa(0)->setText(QStringLiteral("ж"));
    bukwa(0)->deselect();
    QTest::keyClick(bukwa(0), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(bukwa(0)->text(), QStringLiteral("ж"));
}

TEST_F(Play, theEnteredLettersKeepEveryLetterHoweverLongPlayGoesOn) {
    // A category choice gives five attempts again without ending the game, so the
    // letters of one game can pass any length a field keeps by default.
    open();
    clickNewGame(0);
    const QString earlier(40000, QChar(u'Ж'));
    bukwa(3)->setText(earlier);
    typeAndGuess(QStringLiteral("щ"));
    EXPECT_EQ(bukwa(3)->text(), earlier + QStringLiteral("Щ"));
}

TEST_F(Play, bindingTheWindowAgainConnectsNothingTwice) {
    // A click on "Въвеждам буква" is one guess, however often the window was bound.
    setWords(0, {{U"ОСЛО", U"НОРВЕГИЯ"}});
    open();
    form->bind(*game);
    clickNewGame(0);
    typeAndGuess(QStringLiteral("ж"));
    EXPECT_EQ(bukwa(1)->text(), QStringLiteral("4"));
    EXPECT_EQ(bukwa(3)->text(), QStringLiteral("Ж"));
}

TEST_F(Play, typingASecondLetterKeepsTheFirst) {
    open();
    bukwa(0)->setFocus();
    type(bukwa(0), QStringLiteral("жк"));
    EXPECT_EQ(bukwa(0)->text(), QStringLiteral("ж"));
    QTest::keyClick(bukwa(0), Qt::Key_Backspace);
    type(bukwa(0), QStringLiteral("к"));
    EXPECT_EQ(bukwa(0)->text(), QStringLiteral("к"));
}

TEST_F(Play, everyCategoryItemSetsItsHintAndQuestion) {
    open();
    const QStringList hints{"Възможно име на столица", "Възможно име на община",
                            "Възможно име на река", "Възможно име на остров",
                            "Възможно име на столица"};
    for (int item = 1; item <= 5; ++item) {
        random.pushIndex(2);
        form->Obrabotwa[static_cast<std::size_t>(item)]->trigger();
        EXPECT_EQ(form->Label1[0]->text(), hints[item - 1]);
        EXPECT_EQ(game->state().categoryIndex, item - 1);
        EXPECT_EQ(stolica(1)->text(),
                  QString::fromStdU32String(lists[static_cast<std::size_t>(2 * (item - 1))][2]));
    }
}

TEST_F(Play, exitEndsTheProgramWithStatusZero) {
    open();
    clickNewGame(1);
    QSignalSpy ended(form.get(), &window::MainForm::programEnded);
    form->Obrabotwa[0]->trigger();
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended.at(0).at(0).toInt(), 0);
}

TEST_F(Play, timerTicksShuffleAnswersThenScrollTheQuestion) {
    setWords(0, {{U"РИМ", U"ИТАЛИЯ"}, {U"ОСЛО", U"НОРВЕГИЯ"}});
    open(0);
    random.pushIndex(1);
    tick();
    EXPECT_EQ(stolica(1)->text(), QStringLiteral("ОСЛО"));
    clickNewGame(0);
    tick();
    // 31 characters of question: a window of 32 from the first character.
    EXPECT_EQ(stolica(1)->text(), QStringLiteral("Столица на държавата ИТАЛИЯ e:  "));
    tick();
    EXPECT_EQ(stolica(1)->text(), QStringLiteral("толица на държавата ИТАЛИЯ e:  С"));
}

TEST_F(Play, aTextWiderThanTheDisplayLineShowsFromItsStart) {
    // A long answer in the shuffle and a slice of the question are read from the left.
    setWords(0, {{U"ДЖЕФЕРСЪН СИТИ ОКЛАХОМА СИТИ", U"Мисури"}});
    open();
    const auto expectStartShown = [this] {
        QLineEdit* line = stolica(1);
        ASSERT_GT(line->fontMetrics().horizontalAdvance(line->text()), line->width());
        EXPECT_LT(line->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), 10);
    };
    expectStartShown();
    clickNewGame(0);
    tick();
    expectStartShown();
}

TEST_F(Play, theRunningTimerDrivesTheDisplayLine) {
    // Left running, the timer shows a new slice about five times a second.
    setWords(0, {{U"РИМ", U"ИТАЛИЯ"}});
    open();
    clickNewGame(0);
    form->Timer1.start();
    QTest::qWait(700);
    form->Timer1.stop();
    EXPECT_GE(game->state().scrollPos, 2);
    EXPECT_EQ(stolica(1)->text().size(), 32);
}

} // namespace
