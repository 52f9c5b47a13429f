#pragma once

#include "TeacherLists.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QMessageBox;
class QWidget;

namespace window {

class MainForm;

/// What the window tells a teacher after list files were opened.
struct ListMessage {
    QString text;
    bool warning = false;     ///< a file was refused or rows of one were left out
    bool offerToKeep = false; ///< offers to keep copies of the lists for the next start
};

/// Chooses the list files to open, as the file dialog does; none when it is cancelled.
using ListFileChooser = std::function<QStringList(QWidget* parent)>;
/// Shows a message about lists; true when the teacher chose to keep them.
using ListMessenger = std::function<bool(QWidget* parent, const ListMessage& message)>;

/// Asks the teacher `text`; true for the answer `yes`, false for `no` (or Escape).
using ListQuestioner = std::function<bool(QWidget* parent, const QString& text, const QString& yes,
                                          const QString& no)>;

/// `text` in the quotes in which the messages name lists and files: „…“.
QString quoted(const QString& text);

/// The message box of `message`, its text plain, with "Запази" when it offers that.
std::unique_ptr<QMessageBox> listMessageBox(QWidget* parent, const ListMessage& message);

/**
 * Teachers' lists opened in the window: through Ctrl+O and its file dialog, as files
 * dropped onto the window, and at start-up from the list folders and the command line.
 * Each file becomes a category through MainForm::addList; the teacher is told what it
 * gave. Create it once the window's elements exist.
 */
class OpenLists : public QObject {
    Q_OBJECT

public:
    explicit OpenLists(MainForm& form);

    /// Replace the file dialog and the message box, as tests do.
    void setFileChooser(ListFileChooser chooser) { choose_ = std::move(chooser); }
    void setMessenger(ListMessenger messenger) { tell_ = std::move(messenger); }
    void setQuestioner(ListQuestioner questioner) { ask_ = std::move(questioner); }

    /// Tells the teacher `message` over `parent`, as the lists' messages are told.
    bool tell(QWidget* parent, const ListMessage& message) { return tell_(parent, message); }
    /// Asks the teacher (see ListQuestioner).
    bool ask(QWidget* parent, const QString& text, const QString& yes, const QString& no) {
        return ask_(parent, text, yes, no);
    }

    /// Ctrl+O: opens the files chosen; the message offers to keep the lists that loaded.
    void openChosen();
    /// Opens files dropped onto the window.
    void openDropped(const QStringList& paths);
    /// At start-up: the lists of the list folders, then `paths`: those of the user's own
    /// folder live there, those of the other folders in the school's, and `paths` are
    /// opened for this start only. Each list with a problem
    /// is written to standard error, and all of them are told in one message once the
    /// event loop runs; lists without problems load silently.
    void openAtStart(const QStringList& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Opened {
        QString path;
        std::string bytes; ///< of a list that loaded, for its copy
        bool loaded = false;
        bool problem = false;
        QString message;
        std::optional<int> category; ///< the category it became
    };
    Opened open(const QString& path, session::ListHome home = session::ListHome::OpenedFile);
    std::vector<Opened> openAll(const QStringList& paths, ListMessage& message);
    void keep(const std::vector<const Opened*>& lists);

    MainForm& form_;
    ListFileChooser choose_;
    ListMessenger tell_;
    ListQuestioner ask_;
};

} // namespace window
