#include "WindowFixture.h"

#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>

namespace {

using RunTimeError = WindowFixture;

// Answers the error box as soon as it shows, and keeps what it said in `said`.
void acceptErrorBoxSoon(QString* said = nullptr) {
    QTimer::singleShot(0, [said] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                if (said != nullptr) {
                    *said = box->text();
                }
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
    game = std::make_unique<game::Game>(*form, random);
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
    lists[2] = {U"БАНСКО"};
    acceptErrorBoxSoon();
    random.pushIndex(0);
    form->Obrabotwa[2]->trigger();
    ASSERT_TRUE(form->failed());
    const QString mask = stolica(0)->text();
    QTest::mouseClick(Buton(1), Qt::LeftButton);
    EXPECT_EQ(stolica(0)->text(), mask);
}

} // namespace
