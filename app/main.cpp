#include "Application.h"
#include "ClockRandom.h"
#include "Game.h"
#include "MainForm.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("geografia"));
    QApplication::setDesktopFileName(QStringLiteral("bg.uchebni.geografia"));
    window::prepareApplication();

    window::MainForm form;
    game::ClockRandom random;
    game::Game game(form, random);
    QObject::connect(&form, &window::MainForm::programEnded, &app,
                     [](int exitCode) { QCoreApplication::exit(exitCode); });
    form.bind(game);
    if (!form.load()) {
        return 1;
    }
    form.show();
    return QApplication::exec();
}
