// The baseline the game is measured against: a bare Qt Widgets window of the game's
// size with one line edit whose text a 200 ms timer changes, and nothing else.

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("baseline"));
    window.setFixedSize(623, 379);
    QLineEdit line(&window);
    line.setGeometry(8, 24, 329, 35);
    int count = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &line,
                     [&] { line.setText(QString::number(++count)); });
    timer.start(200);
    window.show();
    return QApplication::exec();
}
