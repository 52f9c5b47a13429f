#pragma once

#include "FormInterface.h"
#include "Session.h"
#include "TeacherLists.h"
#include "WordLists.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace game {
class Game;
}

namespace form {
struct Element;
}

namespace window {

class LetterPanel;
class OpenLists;
class TeacherListsDialog;

/// The ten word lists: list 2c holds the answers of category c, list 2c + 1 its clues.
using WordLists = wordlists::Lists;

/// The game's own word lists, as built into the program.
inline const WordLists& builtInWordLists() {
    return wordlists::all();
}

/// Shows a run-time error: its number and the platform's message for it.
using ErrorReporter = std::function<void(int number, const QString& message)>;

/**
 * The game's one window, MainForm: its fields, buttons, labels, menu bar and timer,
 * created from the window's definition, and their events handed to the game's session.
 *
 * A run-time error that leaves a handler is shown (in an error message box, unless
 * another reporter is set), and then the program ends with a non-zero status
 * (programEnded). Once the program is ending, through "Изход" or an error, the timer
 * stops and no event reaches the game any more.
 */
class MainForm : public QMainWindow, public session::Window {
    Q_OBJECT

public:
    /// The window keeps a reference to `lists`, which must outlive it.
    explicit MainForm(const WordLists& lists = builtInWordLists(), QWidget* parent = nullptr);
    MainForm(WordLists&&, QWidget* = nullptr) = delete;
    ~MainForm() override;

    /// Connects the window's events to `game`, made on session(), which must outlive the
    /// window. A window is bound once: a later call changes nothing.
    void bind(game::Game& game);

    /// What the window does alike with the page, and the window as the game sees it.
    session::Session& session() { return session_; }

    /// Replaces the error message box, as tests do so as not to wait on a modal box.
    void setErrorReporter(ErrorReporter reporter) { reportError_ = std::move(reporter); }

    /// Runs the game's load handler; call once, before the window is first shown.
    /// Returns false when it ended with a run-time error.
    bool load();

    /// True once a run-time error has ended the program; no event reaches the game after it.
    bool failed() const { return session_.failed(); }

    // The elements, by their names and indices.
    std::array<QLineEdit*, 4> bukwa{};   ///< bukwa(0) to bukwa(3)
    QPlainTextEdit* bukwa4 = nullptr;    ///< bukwa(4), the rules
    std::array<QLineEdit*, 2> stolica{}; ///< stolica(0) and stolica(1)
    std::array<QPushButton*, 2> Buton{}; ///< Buton(0) and Buton(1)
    std::array<QLabel*, 4> Label1{};     ///< Label1(0) to Label1(3)
    /// The menu items: "Изход", the five categories, then the teachers' lists in the
    /// order they came; Obrabotwa(c + 1) chooses category c.
    std::vector<QAction*> Obrabotwa;
    QTimer Timer1;

    /// On-screen keys for the letters, in the rules' place once those are hidden
    /// (none before).
    LetterPanel* letterPanel = nullptr;

    /// Opens teachers' lists: Ctrl+O, files dropped on the window, and at start-up.
    OpenLists* openLists = nullptr;

    /// "Списъци…" (Alt+L), after the categories and the teachers' lists: the lists dialog.
    QAction* listsItem = nullptr;
    /// The lists dialog, made when it is first opened; none before.
    TeacherListsDialog* listsDialog = nullptr;
    /// Opens the lists dialog, showing the lists as they are now.
    void openListsDialog();

    /// Adds the list file's bytes to the game as a category (see Session::addList), living
    /// in `home`; a file given once the program is ending is told as unreadable. Call
    /// between the game's handlers.
    session::TeacherLists::Outcome addList(std::string_view bytes, std::u32string_view fileName,
                                           std::size_t fileSize,
                                           session::ListHome home = session::ListHome::OpenedFile);

signals:
    /// The program should end with `exitCode`: 0 for "Изход", non-zero after a run-time error.
    void programEnded(int exitCode);

private:
    // The elements, as the session reads and writes them.
    game::Text text(form::ElementId id) const override;
    void setText(form::ElementId id, game::TextView text) override;
    void setShown(form::ElementId id, bool shown) override;
    void setEnabled(form::ElementId id, bool enabled) override;
    QWidget* elementWidget(form::ElementId id) const;

    // What else the session asks of the window.
    void startTimer() override;
    void showLetterKeys(bool enabled, game::TextView entered) override;
    void showMenuItem(int item, game::TextView caption) override;
    void hideMenuItem(int item) override;
    void focusLetterBox() override;
    void end(int errorNumber, game::TextView description) override;

    // Creating the window from its definition (MainFormLayout.cpp).
    void applyFormLook();
    QWidget* createElement(const form::Element& element, QWidget* client);
    void createElements();
    void applyLooks();
    void fillRules();
    void createMenu();
    void setTabOrder();
    void bindKeyboard();
    void connectMenuItem(int index);

    session::Session session_;
    bool bound_ = false;
    ErrorReporter reportError_;
};

/// The element of the client area named `name`, as in "bukwa(3)"; throws std::logic_error
/// when there is none, so that a misspelt name in the layout cannot go unnoticed.
QWidget* elementNamed(const QWidget* client, const QString& name);

} // namespace window
