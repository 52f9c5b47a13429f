#pragma once

#include "Game.h"
#include "MainForm.h"
#include "ScriptedRandom.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

/// The real window bound to the real game, with scripted draws. The timer is stopped
/// after loading so that each test decides when it ticks. A run-time error fails the
/// test at once, with its number and message, instead of waiting on a message box.
class WindowFixture : public ::testing::Test {
protected:
    window::WordLists lists = window::builtInWordLists();
    ScriptedRandom random;
    std::unique_ptr<window::MainForm> form;
    std::unique_ptr<game::Game> game;

    /// Creates the window and binds it to a game, without loading it.
    void create() {
        form = std::make_unique<window::MainForm>(lists);
        form->setErrorReporter([](int number, const QString& message) {
            ADD_FAILURE() << "run-time error " << number << ": " << message.toStdString();
        });
        game = std::make_unique<game::Game>(form->session(), random);
        form->bind(*game);
    }

    /// Creates, binds, loads (drawing item `index`) and shows the window.
    void open(int index = 0) {
        create();
        random.pushIndex(index);
        ASSERT_TRUE(form->load());
        form->Timer1.stop();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    /// Makes category `category` hold exactly these pairs, then a last one never drawn.
    void setWords(int category,
                  std::initializer_list<std::pair<std::u32string, std::u32string>> pairs) {
        auto& answers = lists[static_cast<std::size_t>(2 * category)];
        auto& clues = lists[static_cast<std::size_t>(2 * category + 1)];
        answers.clear();
        clues.clear();
        for (const auto& [answer, clue] : pairs) {
            answers.push_back(answer);
            clues.push_back(clue);
        }
        answers.push_back(U"ПОСЛЕДНА");
        clues.push_back(U"НИКОГА");
    }

    QLineEdit* bukwa(int i) const { return form->bukwa[static_cast<std::size_t>(i)]; }
    QLineEdit* stolica(int i) const { return form->stolica[static_cast<std::size_t>(i)]; }
    QPushButton* Buton(int i) const { return form->Buton[static_cast<std::size_t>(i)]; }

    void clickNewGame(int index) {
        random.pushIndex(index);
        QTest::mouseClick(Buton(1), Qt::LeftButton);
    }

    /// Types `text` into `widget` key by key, as a keyboard with any layout would.
    static void type(QWidget* widget, const QString& text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            const QString character = text.mid(i, length);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
            QApplication::sendEvent(widget, &press);
            QApplication::sendEvent(widget, &release);
            i += length - 1;
        }
    }

    /// Types `text` into the letter box and clicks "Въвеждам буква".
    void typeAndGuess(const QString& text) {
        bukwa(0)->setFocus();
        type(bukwa(0), text);
        QTest::mouseClick(Buton(0), Qt::LeftButton);
    }

    void tick() { QMetaObject::invokeMethod(&form->Timer1, "timeout"); }
};
