#include "MainForm.h"

#include "BoxLabel.h"
#include "Definition.h"
#include "EnterClicks.h"
#include "Game.h"
#include "LetterPanel.h"
#include "MenuOverflowKeys.h"
#include "OneCharacterValidator.h"
#include "OpenLists.h"
#include "RuntimeError.h"
#include "WordLists.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResource>
#include <QShortcut>
#include <limits>
#include <stdexcept>

namespace window {

namespace {

game::Text toText(const QString& text) {
    return text.toStdU32String();
}

// The icon is kept as raw pixels: reading a PNG would first make Qt search its
// image-format plugins, some two milliseconds at every start.
QIcon iconPicture() {
    constexpr int side = 32;
    const QByteArray pixels =
        QResource(QStringLiteral(":/icons/geografia-32.rgba")).uncompressedData();
    if (pixels.size() != side * side * 4) {
        return {};
    }
    const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), side, side,
                       QImage::Format_RGBA8888);
    // The conversion copies the pixels out of `pixels`, which ends here.
    return QIcon(QPixmap::fromImage(image.convertToFormat(QImage::Format_ARGB32_Premultiplied)));
}

void showErrorBox(QWidget* parent, int number, const QString& message) {
    QMessageBox box(QMessageBox::Critical, toQString(form::runTimeErrorTitle),
                    toQString(form::runTimeErrorText(number, toText(message))), QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("runTimeError"));
    box.exec();
}

} // namespace

QWidget* elementNamed(const QWidget* client, const QString& name) {
    auto* element = client->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    if (element == nullptr) {
        throw std::logic_error("the window has no element named " + name.toStdString());
    }
    return element;
}

MainForm::MainForm(const WordLists& lists, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint),
      lists_(lists), reportError_([this](int number, const QString& message) {
          showErrorBox(this, number, message);
      }) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(toQString(form::windowCaption));
    setWindowIcon(iconPicture());
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

namespace {

Qt::Alignment alignmentOf(form::Alignment alignment) {
    return alignment == form::Alignment::Left ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignCenter;
}

// Puts `element` into slot `index` of the element array `places`, which must have one
// of that index, free, and of the element's kind.
template <class Widget, std::size_t N>
void putInto(std::array<Widget*, N>& places, int index, QWidget* element) {
    auto* widget = qobject_cast<Widget*>(element);
    if (index < 0 || static_cast<std::size_t>(index) >= N || widget == nullptr ||
        places[static_cast<std::size_t>(index)] != nullptr) {
        throw std::logic_error("the window has no place for " +
                               element->objectName().toStdString());
    }
    places[static_cast<std::size_t>(index)] = widget;
}

} // namespace

// Each element of the window's definition, of its kind, with its initial text and state.
QWidget* MainForm::createElement(const form::Element& element, QWidget* client) {
    const QString text = toQString(element.text);
    QWidget* widget = nullptr;
    switch (element.kind) {
    case form::Kind::TextBox: {
        auto* line = new QLineEdit(client);
        // What the program writes is never cut: the entered letters grow by one at every
        // guess for as long as play goes on, past the 32767 characters kept by default.
        line->setMaxLength(std::numeric_limits<int>::max());
        line->setText(text);
        line->setAlignment(alignmentOf(element.alignment));
        line->setReadOnly(element.readOnly);
        if (!element.readOnly && element.maxLength == 1) {
            new OneCharacterValidator(line);
        } else if (!element.readOnly && element.maxLength > 1) {
            throw std::logic_error("a typing limit other than one character is not supported");
        }
        widget = line;
        break;
    }
    case form::Kind::MultiLineTextBox: {
        // Its text is filled in once it has its final size and font (fillRules).
        auto* box = new QPlainTextEdit(client);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setReadOnly(element.readOnly);
        widget = box;
        break;
    }
    case form::Kind::CommandButton: {
        auto* button = new QPushButton(text, client);
        // Not auto-default, which some styles draw with a frame inside the button's place;
        // Enter on the focused button clicks it all the same, as Space does and as on the page.
        button->setAutoDefault(false);
        clickOnEnter(button);
        widget = button;
        break;
    }
    case form::Kind::Label: {
        auto* label = new BoxLabel(text, client);
        label->setAlignment(alignmentOf(element.alignment));
        widget = label;
        break;
    }
    }
    widget->setObjectName(elementName(element.id));
    if (!element.accessibleName.empty()) {
        widget->setAccessibleName(toQString(element.accessibleName));
    }
    if (!element.visible) {
        widget->setVisible(false);
    }
    return widget;
}

void MainForm::createElements() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    std::array<QPlainTextEdit*, 1> multiLine{};
    for (const form::Element& element : form::elements) {
        QWidget* widget = createElement(element, client);
        const std::string_view name = element.id.name;
        const int index = element.id.index;
        if (name == "bukwa" && index == 4) {
            putInto(multiLine, 0, widget);
        } else if (name == "bukwa") {
            putInto(bukwa, index, widget);
        } else if (name == "stolica") {
            putInto(stolica, index, widget);
        } else if (name == "Buton") {
            putInto(Buton, index, widget);
        } else if (name == "Label1") {
            putInto(Label1, index, widget);
        } else {
            throw std::logic_error("the window has no element array " + std::string(name));
        }
    }
    bukwa4 = multiLine[0];
    const auto allThere = [](const auto& places) {
        return std::all_of(places.begin(), places.end(),
                           [](auto* slot) { return slot != nullptr; });
    };
    if (!allThere(bukwa) || !allThere(stolica) || !allThere(Buton) || !allThere(Label1) ||
        bukwa4 == nullptr) {
        throw std::logic_error("the window's definition leaves out an element the game uses");
    }
}

// The window's own font and colour, set before its elements exist so that they are
// born with them rather than told of a change.
void MainForm::applyFormLook() {
    QFont formFont(formFontFamily());
    formFont.setPointSizeF(form::formPointSize);
    setFont(formFont);
    QPalette formPalette = palette();
    formPalette.setColor(QPalette::Window, toQColor(form::formColour));
    setPalette(formPalette);
    setAutoFillBackground(true);
}

void MainForm::applyLooks() {
    const QFont formFont = font();
    const double dpi = logicalDpiX();
    for (const form::Element& look : form::elements) {
        QWidget* element = elementNamed(centralWidget(), elementName(look.id));
        element->setGeometry(toPixels(look.twips, dpi));
        // Elements in the window's own font inherit it; the others get theirs.
        if (look.pointSize > 0 || look.bold || look.italic) {
            QFont font = formFont;
            if (look.pointSize > 0) {
                font.setPointSizeF(look.pointSize);
            }
            font.setBold(look.bold);
            font.setItalic(look.italic);
            element->setFont(font);
        }
        if (look.background == form::Background::Own) {
            QPalette palette = element->palette();
            const QPalette::ColorRole role =
                qobject_cast<QPushButton*>(element) ? QPalette::Button : QPalette::Base;
            palette.setColor(role, toQColor(look.colour));
            element->setPalette(palette);
        }
    }
    const QSize client(twipsToPixels(form::clientWidthTwips, dpi),
                       twipsToPixels(form::clientHeightTwips, dpi));
    centralWidget()->setFixedSize(client);
    setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());
}

// The rules are laid out once, in their box's final size and font.
void MainForm::fillRules() {
    // The box shows one paragraph a line; CR LF ends each one.
    bukwa4->setPlainText(
        toQString(form::rulesText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void MainForm::createMenu() {
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);
    for (int i = 0; i < game::menuItemCount; ++i) {
        Obrabotwa.push_back(
            bar->addAction(toQString(form::menuCaptions[static_cast<std::size_t>(i)])));
        Obrabotwa.back()->setObjectName(elementName({form::menuName, i}));
    }
    // Items that do not fit the bar are in its overflow menu, for the keyboard too.
    new MenuOverflowKeys(bar);
}

void MainForm::setTabOrder() {
    // The keyboard order of the elements that can take the focus; the first has it.
    QWidget* previous = nullptr;
    for (const form::ElementId& id : form::tabOrder) {
        QWidget* element = elementNamed(centralWidget(), elementName(id));
        if (previous == nullptr) {
            element->setFocus();
        } else {
            QWidget::setTabOrder(previous, element);
        }
        previous = element;
    }
}

void MainForm::bindKeyboard() {
    // Enter in the letter box is a click on "Въвеждам буква", while that is enabled.
    connect(bukwa[0], &QLineEdit::returnPressed, this, [this] {
        if (Buton[0]->isEnabled()) {
            Buton[0]->click();
        }
    });
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
    // A key is the letter typed into the letter box and "Въвеждам буква" clicked.
    connect(letterPanel, &LetterPanel::letterChosen, this, [this](const QString& character) {
        if (Buton[0]->isEnabled()) {
            setTextUnchecked(bukwa[0], character);
            Buton[0]->click();
        }
    });
    // Used letters follow the entered-letters field, so a new game clears them.
    connect(bukwa[3], &QLineEdit::textChanged, letterPanel, &LetterPanel::markUsed);
    letterPanel->show();
}

void MainForm::bind(game::Game& game) {
    if (game_ != nullptr) {
        qWarning("MainForm::bind: the window is already bound to a game");
        return;
    }
    game_ = &game;
    connect(Buton[0], &QPushButton::clicked, this, &MainForm::guess);
    connect(Buton[1], &QPushButton::clicked, this, &MainForm::newGame);
    for (std::size_t i = 0; i < Obrabotwa.size(); ++i) {
        connectMenuItem(static_cast<int>(i));
    }
    connect(&Timer1, &QTimer::timeout, this,
            [this] { dispatch([this] { game_->Timer1_Timer(); }); });
}

void MainForm::connectMenuItem(int index) {
    connect(Obrabotwa.at(static_cast<std::size_t>(index)), &QAction::triggered, this,
            [this, index] { dispatch([this, index] { game_->Obrabotwa_Click(index); }); });
}

wordlists::AddedLists::Outcome
MainForm::addList(std::string_view bytes, std::u32string_view fileName, std::size_t fileSize) {
    if (game_ == nullptr || ending_) {
        return wordlists::AddedLists::unreadable(fileName);
    }
    wordlists::AddedLists::Outcome outcome = addedLists_.load(*game_, bytes, fileName, fileSize);
    if (outcome.category) {
        const int item = *outcome.category + 1;
        // A teacher's caption is plain text: an "&" in it shows, it is no mnemonic.
        const QString caption = toQString(game_->categoryTable()[*outcome.category].menuCaption)
                                    .replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (static_cast<std::size_t>(item) < Obrabotwa.size()) {
            Obrabotwa[static_cast<std::size_t>(item)]->setText(caption);
        } else {
            Obrabotwa.push_back(menuBar()->addAction(caption));
            Obrabotwa.back()->setObjectName(elementName({form::menuName, item}));
            connectMenuItem(item);
        }
        if (outcome.chooseAgain) {
            dispatch([this, item] { game_->Obrabotwa_Click(item); });
        }
    }
    return outcome;
}

bool MainForm::load() {
    return dispatch([this] { game_->Form_Load(); });
}

void MainForm::guess() {
    dispatch([this] { game_->Buton_Click(0); });
    bukwa[0]->setFocus();
}

void MainForm::newGame() {
    dispatch([this] { game_->Buton_Click(1); });
    bukwa[0]->setFocus();
}

bool MainForm::dispatch(const std::function<void()>& handler) {
    if (ending_ || game_ == nullptr) {
        return false;
    }
    try {
        handler();
        return true;
    } catch (const game::RuntimeError& error) {
        fail(error.number(), QString::fromUtf8(error.what()));
    } catch (const std::exception& error) {
        // Not one of the game's own errors: shown the same way, as the platform would.
        fail(form::internalErrorNumber,
             toQString(form::internalErrorPrefix) + QString::fromUtf8(error.what()));
    }
    return false;
}

void MainForm::fail(int number, const QString& message) {
    failed_ = true;
    // Stopped before the report, so that no tick reaches the game while it shows.
    ending_ = true;
    Timer1.stop();
    reportError_(number, message);
    endWith(1);
}

// From here on the program is ending: a tick that is already due, or a click still
// queued, must not reach the game, whose state may no longer be one it can play on
// ("Изход" has left no category chosen).
void MainForm::endWith(int exitCode) {
    ending_ = true;
    Timer1.stop();
    emit programEnded(exitCode);
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
    return wordlists::AddedLists::holds(index) ? addedLists_.count(index)
                                               : wordlists::itemCount(lists_, index);
}

game::TextView MainForm::List1Item(int index, int item) const {
    return wordlists::AddedLists::holds(index) ? addedLists_.item(index, item)
                                               : wordlists::itemAt(lists_, index, item);
}

void MainForm::enableTimer1() {
    Timer1.start();
}

void MainForm::endProgram() {
    endWith(0);
}

} // namespace window
