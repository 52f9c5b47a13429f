#include "MainForm.h"

#include "Definition.h"
#include "Game.h"
#include "LetterPanel.h"
#include "OneCharacterValidator.h"
#include "OpenLists.h"
#include "TeacherListsDialog.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <stdexcept>

namespace window {

namespace {

game::Text toText(const QString& text) {
    return text.toStdU32String();
}

void showErrorBox(QWidget* parent, int number, const QString& message) {
    QMessageBox box(QMessageBox::Critical, toQString(form::runTimeErrorTitle),
                    toQString(form::runTimeErrorText(number, toText(message))), QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("runTimeError"));
    box.exec();
}

} // namespace

MainForm::MainForm(const WordLists& lists, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      session_(*this, lists), reportError_([this](int number, const QString& message) {
          showErrorBox(this, number, message);
      }) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(toQString(form::windowCaption));
    applyFormLook();
    createElements();
    createMenu();
    applyLooks();
    fillRules();
    setTabOrder();
    bindKeyboard();
    openLists = new OpenLists(*this);
    Timer1.setInterval(form::timerIntervalMs);
}

MainForm::~MainForm() = default;

void MainForm::bindKeyboard() {
    connect(bukwa[0], &QLineEdit::returnPressed, this, [this] { session_.enterInLetterBox(); });
    auto* newGameKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_N), this);
    connect(newGameKey, &QShortcut::activated, this, [this] { Buton[1]->click(); });
}

void MainForm::bind(game::Game& game) {
    if (bound_) {
        qWarning("MainForm::bind: the window is already bound to a game");
        return;
    }
    bound_ = true;
    session_.bind(game);
    connect(Buton[0], &QPushButton::clicked, this, [this] { session_.Buton_Click(0); });
    connect(Buton[1], &QPushButton::clicked, this, [this] { session_.Buton_Click(1); });
    for (std::size_t i = 0; i < Obrabotwa.size(); ++i) {
        connectMenuItem(static_cast<int>(i));
    }
    connect(&Timer1, &QTimer::timeout, this, [this] { session_.Timer1_Timer(); });
}

void MainForm::connectMenuItem(int index) {
    connect(Obrabotwa.at(static_cast<std::size_t>(index)), &QAction::triggered, this,
            [this, index] { session_.Obrabotwa_Click(index); });
}

session::TeacherLists::Outcome MainForm::addList(std::string_view bytes,
                                                 std::u32string_view fileName, std::size_t fileSize,
                                                 session::ListHome home) {
    return session_.addList(bytes, fileName, fileSize, home);
}

void MainForm::openListsDialog() {
    if (listsDialog == nullptr) {
        listsDialog = new TeacherListsDialog(*this);
    }
    listsDialog->refresh();
    listsDialog->open();
    listsDialog->activateWindow();
}

bool MainForm::load() {
    return session_.Form_Load();
}

void MainForm::end(int errorNumber, game::TextView description) {
    // Stopped before an error's report, so that no tick is due while it shows.
    Timer1.stop();
    if (errorNumber != 0) {
        reportError_(errorNumber, toQString(description));
    }
    emit programEnded(errorNumber != 0 ? 1 : 0);
}

void MainForm::showMenuItem(int item, game::TextView caption) {
    // A teacher's caption is plain text: an "&" in it shows, it is no mnemonic.
    const QString text = toQString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
    if (static_cast<std::size_t>(item) < Obrabotwa.size()) {
        Obrabotwa[static_cast<std::size_t>(item)]->setText(text);
        Obrabotwa[static_cast<std::size_t>(item)]->setVisible(true);
        return;
    }
    // Before "Списъци…", which stays the last item.
    Obrabotwa.push_back(new QAction(text, menuBar()));
    menuBar()->insertAction(listsItem, Obrabotwa.back());
    Obrabotwa.back()->setObjectName(elementName({form::menuName, item}));
    connectMenuItem(item);
}

void MainForm::hideMenuItem(int item) {
    if (item >= 0 && static_cast<std::size_t>(item) < Obrabotwa.size()) {
        Obrabotwa[static_cast<std::size_t>(item)]->setVisible(false);
    }
}

void MainForm::focusLetterBox() {
    bukwa[0]->setFocus();
}

// Elements the game names that the window has not are a fault of the program: thrown,
// the session shows it as a run-time error.
QWidget* MainForm::elementWidget(form::ElementId id) const {
    const auto at = static_cast<std::size_t>(id.index);
    if (id.name == "bukwa") {
        return at == 4 ? static_cast<QWidget*>(bukwa4) : bukwa.at(at);
    }
    if (id.name == "stolica") {
        return stolica.at(at);
    }
    if (id.name == "Buton") {
        return Buton.at(at);
    }
    if (id.name == "Label1") {
        return Label1.at(at);
    }
    throw std::out_of_range("the window has no element " + std::string(id.name));
}

game::Text MainForm::text(form::ElementId id) const {
    QWidget* element = elementWidget(id);
    if (element == bukwa4) {
        return toText(bukwa4->toPlainText());
    }
    auto* field = qobject_cast<QLineEdit*>(element);
    return field != nullptr ? toText(field->text()) : game::Text{};
}

void MainForm::setText(form::ElementId id, game::TextView text) {
    QWidget* element = elementWidget(id);
    if (element == bukwa4) {
        bukwa4->setPlainText(toQString(text));
    } else if (auto* field = qobject_cast<QLineEdit*>(element)) {
        setTextUnchecked(field, toQString(text));
        // A text wider than its box shows from its start; the letter box keeps its cursor.
        if (field != bukwa[0]) {
            field->setCursorPosition(0);
        }
    } else if (auto* label = qobject_cast<QLabel*>(element)) {
        label->setText(toQString(text));
    }
}

void MainForm::setShown(form::ElementId id, bool shown) {
    elementWidget(id)->setVisible(shown);
}

void MainForm::setEnabled(form::ElementId id, bool enabled) {
    elementWidget(id)->setEnabled(enabled);
}

void MainForm::startTimer() {
    Timer1.start();
}

// The letter keys take the rules' place once those are hidden; until then nothing of
// them is needed, so they are made then, not at start-up.
void MainForm::showLetterKeys(bool enabled, game::TextView entered) {
    if (letterPanel == nullptr) {
        letterPanel = new LetterPanel(centralWidget());
        letterPanel->setGeometry(bukwa4->geometry());
        QWidget* previous = bukwa4;
        for (int i = 0; i < LetterPanel::keyCount; ++i) {
            QWidget::setTabOrder(previous, letterPanel->key(i));
            previous = letterPanel->key(i);
        }
        connect(letterPanel, &LetterPanel::keyChosen, this,
                [this](int key) { session_.letterKey(key); });
    }
    letterPanel->setEnabled(enabled);
    letterPanel->markUsed(entered);
    letterPanel->show();
}

} // namespace window
