#include "MainForm.h"

#include "Definition.h"
#include "Game.h"
#include "LetterPanel.h"
#include "OneCharacterValidator.h"
#include "OpenLists.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

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

// The letter keys take the rules' place once those are hidden; until then nothing of
// them is needed, so they are made then, not at start-up.
void MainForm::showLetterPanel() {
    if (letterPanel != nullptr) {
        return;
    }
    letterPanel = new LetterPanel(centralWidget());
    letterPanel->setGeometry(bukwa4->geometry());
    letterPanel->setEnabled(Buton[0]->isEnabled());
    letterPanel->markUsed(bukwa[3]->text());
    QWidget* previous = bukwa4;
    for (int i = 0; i < LetterPanel::keyCount; ++i) {
        QWidget::setTabOrder(previous, letterPanel->key(i));
        previous = letterPanel->key(i);
    }
    connect(letterPanel, &LetterPanel::keyChosen, this,
            [this](int key) { session_.letterKey(key); });
    // Used letters follow the entered-letters field, so a new game clears them.
    connect(bukwa[3], &QLineEdit::textChanged, letterPanel, &LetterPanel::markUsed);
    letterPanel->show();
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

wordlists::AddedLists::Outcome
MainForm::addList(std::string_view bytes, std::u32string_view fileName, std::size_t fileSize) {
    auto outcome = session_.addList(bytes, fileName, fileSize);
    return outcome ? std::move(*outcome) : wordlists::AddedLists::unreadable(fileName);
}

bool MainForm::load() {
    return session_.Form_Load();
}

void MainForm::endWithError(int number, game::TextView description) {
    // Stopped before the report, so that no tick is due while it shows.
    Timer1.stop();
    reportError_(number, toQString(description));
    endWith(1);
}

void MainForm::endNormally() {
    endWith(0);
}

void MainForm::endWith(int exitCode) {
    Timer1.stop();
    emit programEnded(exitCode);
}

void MainForm::showMenuItem(int item, game::TextView caption) {
    // A teacher's caption is plain text: an "&" in it shows, it is no mnemonic.
    const QString text = toQString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
    if (static_cast<std::size_t>(item) < Obrabotwa.size()) {
        Obrabotwa[static_cast<std::size_t>(item)]->setText(text);
        return;
    }
    Obrabotwa.push_back(menuBar()->addAction(text));
    Obrabotwa.back()->setObjectName(elementName({form::menuName, item}));
    connectMenuItem(item);
}

bool MainForm::letterButtonEnabled() const {
    return Buton[0]->isEnabled();
}

void MainForm::focusLetterBox() {
    bukwa[0]->setFocus();
}

game::Text MainForm::bukwaText(int index) const {
    return index == 4 ? toText(bukwa4->toPlainText()) : toText(bukwa.at(index)->text());
}

void MainForm::setBukwaText(int index, game::TextView text) {
    if (index == 4) {
        bukwa4->setPlainText(toQString(text));
        return;
    }
    QLineEdit* field = bukwa.at(index);
    setTextUnchecked(field, toQString(text));
    if (index != 0) {
        field->setCursorPosition(0);
    }
}

game::Text MainForm::stolicaText(int index) const {
    return toText(stolica.at(index)->text());
}

void MainForm::setStolicaText(int index, game::TextView text) {
    QLineEdit* field = stolica.at(index);
    setTextUnchecked(field, toQString(text));
    // A text wider than its box shows from its start, not scrolled to its end.
    field->setCursorPosition(0);
}

void MainForm::setBukwaVisible(int index, bool visible) {
    QWidget* field = index == 4 ? static_cast<QWidget*>(bukwa4) : bukwa.at(index);
    field->setVisible(visible);
    if (index == 4 && !visible) {
        showLetterPanel();
    }
}

void MainForm::setButonEnabled(int index, bool enabled) {
    Buton.at(index)->setEnabled(enabled);
    if (index == 0 && letterPanel != nullptr) {
        letterPanel->setEnabled(enabled); // the keys stand for the letter button
    }
}

void MainForm::setLabel1Caption(int index, game::TextView caption) {
    Label1.at(index)->setText(toQString(caption));
}

int MainForm::List1Count(int index) const {
    return session_.List1Count(index);
}

game::TextView MainForm::List1Item(int index, int item) const {
    return session_.List1Item(index, item);
}

void MainForm::enableTimer1() {
    Timer1.start();
}

void MainForm::endProgram() {
    session_.endProgram();
}

} // namespace window
