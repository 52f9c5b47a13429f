#pragma once

#include "ListEditorDialog.h"
#include "TeacherLists.h"

#include <QDialog>
#include <QPointer>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace window {

class MainForm;

/**
 * The teacher's lists, "Списъци…": every list beside the built-in categories, with its
 * questions and where it lives, and what can be done with them: make a new one, change
 * one in the editor, open files as Ctrl+O does, remove one.
 */
class TeacherListsDialog : public QDialog {
    Q_OBJECT

public:
    explicit TeacherListsDialog(MainForm& form);

    QTableWidget* table = nullptr;
    QLabel* noLists = nullptr;
    QPushButton* newButton = nullptr;
    QPushButton* changeButton = nullptr;
    QPushButton* openButton = nullptr;
    QPushButton* removeButton = nullptr;
    QPushButton* closeButton = nullptr;

    /// The editor that is open, if one is.
    ListEditorDialog* editor() const { return editor_; }

    /// Shows the lists as the session holds them, the chosen one chosen still.
    void refresh();

private:
    std::optional<session::ListEntry> chosen() const;
    void edit(session::ListEditor editor, std::optional<int> category);
    void remove(const session::ListEntry& entry);

    MainForm& form_;
    std::vector<session::ListEntry> entries_;
    QPointer<ListEditorDialog> editor_;
};

} // namespace window
