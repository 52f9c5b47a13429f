#include "Application.h"
#include "ClockRandom.h"
#include "Game.h"
#include "MainForm.h"
#include "OpenLists.h"

#include <QApplication>
#include <QFile>
#include <QStringList>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("geografia"));
    QApplication::setDesktopFileName(QStringLiteral("bg.uchebni.geografia"));
    window::prepareApplication();

    window::MainForm form;
    game::ClockRandom random;
    game::Game game(form.session(), random);
    QObject::connect(&form, &window::MainForm::programEnded, &app,
                     [](int exitCode) { QCoreApplication::exit(exitCode); });
    form.bind(game);
    if (!form.load()) {
        return 1;
    }
    // geografia [FILE...]: each file is a list, after those of the list folders. QApplication
    // has taken its own options out of argv.
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        files << QFile::decodeName(argv[i]);
    }
    form.openLists->openAtStart(files);
    form.show();
    return QApplication::exec();
}
