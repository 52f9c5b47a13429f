// Whatever a pupil types, pastes or clicks: the window gives the defined result and
// the game stays consistent.

#include "OneCharacterValidator.h"
#include "ValueRules.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <utility>

namespace {

using window::OneCharacterValidator;
using window::setTextUnchecked;

QStringList hostilePool() {
    QStringList pool{"",       " ",      "-", "?", "'",   "\t", "\n",   "е\u0301",
                     "😀",      "\u200F", "0", "9", "абв", "Ab", "\r\n", QString(QChar(0)),
                     "\u00AD", "𝔸"};
    for (char16_t c = u'А'; c <= u'я'; ++c) {
        pool << QString(QChar(c));
    }
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        pool << QString(QChar(c)) << QString(QChar(c + 0x20));
    }
    return pool;
}

class HostileInput : public WindowFixture {
protected:
    void pasteInto(QWidget* widget, const QString& text) {
        QApplication::clipboard()->setText(text);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
    }

    /// The fields the game keeps its state in, to compare before and after.
    QStringList gameFields() const {
        return {stolica(0)->text(), bukwa(1)->text(), bukwa(2)->text(), bukwa(3)->text()};
    }
};

TEST_F(HostileInput, anyTypedOrPastedTextLeavesOneWholeCharacterAndAConsistentGuess) {
    setWords(0, {{U"ОСЛО", U"НОРВЕГИЯ"}});
    open();
    clickNewGame(0);
    for (const QString& input : hostilePool()) {
        for (bool paste : {false, true}) {
            clickNewGame(0);
            if (paste) {
                pasteInto(bukwa(0), input);
            } else {
                bukwa(0)->setFocus();
                type(bukwa(0), input);
            }
            const QString kept = bukwa(0)->text();
            ASSERT_LE(kept.toStdU32String().size(), 1u);
            ASSERT_FALSE(!kept.isEmpty() && kept.back().isHighSurrogate())
                << "half a surrogate pair is left";
            QTest::mouseClick(Buton(0), Qt::LeftButton);
            const auto upper = game::upperCase(kept.toStdU32String());
            EXPECT_EQ(bukwa(3)->text().toStdU32String(), upper);
            EXPECT_EQ(bukwa(0)->text(), QString());
            EXPECT_EQ(stolica(0)->text().size(), 4);
        }
    }
}

TEST_F(HostileInput, aPasteKeepsItsFirstCharacterThatTheBoxCanShow) {
    // A line break, tab or other control character at its start is skipped, as on the page.
    open();
    for (const auto& [pasted, kept] : {std::pair{QStringLiteral("\nабв"), QStringLiteral("а")},
                                       {QStringLiteral("\r\n\tб"), QStringLiteral("б")},
                                       {QStringLiteral("\u0007в"), QStringLiteral("в")},
                                       {QStringLiteral("\u2028😀"), QStringLiteral("😀")},
                                       {QStringLiteral("\n"), QString()}}) {
        setTextUnchecked(bukwa(0), {});
        pasteInto(bukwa(0), pasted);
        EXPECT_EQ(bukwa(0)->text(), kept) << pasted.toStdString();
    }
}

TEST_F(HostileInput, veryLongPastesChangeNothingInTheGame) {
    // The display line and the rules take any text; the game does not read them.
    setWords(0, {{U"ОСЛО", U"НОРВЕГИЯ"}});
    open();
    clickNewGame(0);
    const QStringList before = gameFields();
    const QString longText = QString(100000, QChar(u'Щ')) + QStringLiteral("😀\n\t");
    for (QWidget* field : std::initializer_list<QWidget*>{stolica(1), form->bukwa4, stolica(0),
                                                          bukwa(1), bukwa(2), bukwa(3)}) {
        pasteInto(field, longText);
    }
    pasteInto(bukwa(0), longText);
    EXPECT_EQ(bukwa(0)->text(), QStringLiteral("Щ"));
    EXPECT_EQ(gameFields(), before);
    EXPECT_TRUE(stolica(1)->text().contains(QStringLiteral("ЩЩЩ")));
    tick(); // the next tick shows the question again: 33 characters, a window of 34
    EXPECT_EQ(stolica(1)->text(), QStringLiteral("Столица на държавата НОРВЕГИЯ e:  "));
    QTest::mouseClick(Buton(0), Qt::LeftButton);
    EXPECT_EQ(bukwa(3)->text(), QStringLiteral("Щ"));
}

TEST_F(HostileInput, aThousandRapidClicksOnEachButtonKeepTheFieldsConsistent) {
    setWords(0, {{U"ОСЛО", U"НОРВЕГИЯ"}, {U"РИМ", U"ИТАЛИЯ"}});
    open();
    for (int i = 0; i < 1000; ++i) {
        clickNewGame(i % 2);
        ASSERT_EQ(bukwa(1)->text(), QStringLiteral("5"));
        ASSERT_TRUE(Buton(0)->isEnabled());
    }
    const QString mask = stolica(0)->text();
    for (int i = 0; i < 1000; ++i) {
        QTest::mouseClick(Buton(0), Qt::LeftButton);
    }
    // Five empty guesses ended the game; the other clicks met a disabled button.
    EXPECT_EQ(bukwa(1)->text(), QStringLiteral("0"));
    EXPECT_EQ(bukwa(2)->text(), QStringLiteral("Жалко!"));
    EXPECT_EQ(stolica(0)->text(), mask);
    EXPECT_FALSE(Buton(0)->isEnabled());
    for (int i = 0; i < 1000; ++i) {
        random.pushIndex(0);
        form->Obrabotwa[static_cast<std::size_t>(1 + i % 5)]->trigger();
    }
    EXPECT_EQ(game->state().categoryIndex, 4);
    EXPECT_FALSE(form->failed());
}

} // namespace
