#include "WindowFixture.h"

#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>
#include <vector>

namespace {

class RunTimeError : public WindowFixture {
protected:
    /// Keeps every error reported from now on, in place of failing the test.
    void recordErrors() {
        form->setErrorReporter([this](int number, const QString& message) {
            reported.push_back(QStringLiteral("%1 %2").arg(number).arg(message));
        });
    }

    std::vector<QString> reported;
};

// Answers the error box as soon as it shows, and keeps what it said in `said`.
void acceptErrorBoxSoon(QString* said) {
    QTimer::singleShot(0, [said] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                *said = box->text();
                box->accept();
            }
        }
    });
}

TEST_F(RunTimeError, isShownInAnErrorBoxAndEndsTheProgramWithAFailure) {
    // A category with one word divides by zero when it draws.
    lists[0] = {U"СОФИЯ"};
    lists[1] = {U"БЪЛГАРИЯ"};
    form = std::make_unique<window::MainForm>(lists);
    game = std::make_unique<game::Game>(form->session(), random);
    form->bind(*game);
    QSignalSpy ended(form.get(), &window::MainForm::programEnded);
    QString said;
    acceptErrorBoxSoon(&said);
    random.pushIndex(0);
    EXPECT_FALSE(form->load());
    EXPECT_EQ(said, QStringLiteral("Run-time error '11':\n\nDivision by zero"));
    ASSERT_EQ(ended.count(), 1);
    EXPECT_NE(ended.at(0).at(0).toInt(), 0);
    EXPECT_TRUE(form->failed());
    EXPECT_FALSE(form->Timer1.isActive());
}

TEST_F(RunTimeError, stopsEveryLaterEventFromReachingTheGame) {
    // After the error the window is as good as gone: a click changes nothing.
    open();
    recordErrors();
    lists[2] = {U"БАНСКО"};
    random.pushIndex(0);
    form->Obrabotwa[2]->trigger();
    ASSERT_TRUE(form->failed());
    ASSERT_EQ(reported, std::vector<QString>{QStringLiteral("11 Division by zero")});
    const QString mask = stolica(0)->text();
    QTest::mouseClick(Buton(1), Qt::LeftButton);
    EXPECT_EQ(stolica(0)->text(), mask);
}

TEST_F(RunTimeError, exitEndsWithStatusZeroEvenWhenATickIsAlreadyDue) {
    // A slow machine: the event thread was busy past the timer's interval when the
    // player chose "Изход", so a tick waits in the same pass of the event loop.
    open();
    recordErrors();
    QSignalSpy ended(form.get(), &window::MainForm::programEnded);
    form->Timer1.start(1);
    QTest::qSleep(20);
    form->Obrabotwa[0]->trigger();
    tick();
    QCoreApplication::processEvents();
    EXPECT_TRUE(reported.empty()) << reported.front().toStdString();
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended.at(0).at(0).toInt(), 0);
    EXPECT_FALSE(form->Timer1.isActive());
    EXPECT_FALSE(form->failed());
}

} // namespace
