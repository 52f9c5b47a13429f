// The window created from its definition: each element of its kind, in its place, font
// and colours, with its first text; the menu bar; the keyboard order.

#include "BoxLabel.h"
#include "Definition.h"
#include "EnterClicks.h"
#include "ListsDialog.h"
#include "MainForm.h"
#include "MenuOverflowKeys.h"
#include "OneCharacterValidator.h"

#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResource>
#include <limits>
#include <stdexcept>

namespace window {

namespace {

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

} // namespace

QWidget* elementNamed(const QWidget* client, const QString& name) {
    auto* element = client->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    if (element == nullptr) {
        throw std::logic_error("the window has no element named " + name.toStdString());
    }
    return element;
}

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
    setWindowIcon(iconPicture());
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
    // The lists dialog's item, which the teachers' lists come before.
    listsItem = bar->addAction(toQString(form::listsDialog::menuCaption));
    listsItem->setObjectName(QString::fromLatin1(form::listsDialog::menuElement.data(),
                                                 form::listsDialog::menuElement.size()));
    listsItem->setShortcut(
        QKeySequence(Qt::ALT | static_cast<Qt::Key>(form::listsDialog::shortcutLetter)));
    connect(listsItem, &QAction::triggered, this, &MainForm::openListsDialog);
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

} // namespace window
