#pragma once

#include "ListEditor.h"
#include "Session.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace window {

class ListEditorModel;
class ListTable;
class MainForm;

/**
 * The list editor: the list's name, its header (the hint and the start of every
 * question) and its questions, checked as they are typed or pasted. "Запази" hands the
 * list to the session, which plays it, and keeps its file in the teacher's own folder;
 * closing with changes asks first. The list being changed is `category`, none for a new one.
 */
class ListEditorDialog : public QDialog {
    Q_OBJECT

public:
    ListEditorDialog(MainForm& form, session::ListEditor editor, std::optional<int> category,
                     QWidget* parent);

    const session::ListEditor& editor() const { return editor_; }

    QLineEdit* nameField = nullptr;
    QLineEdit* hintField = nullptr;
    QLineEdit* prefixField = nullptr;
    ListTable* table = nullptr;
    QLabel* headerCheck = nullptr;
    QLabel* countLine = nullptr;
    QPushButton* keepButton = nullptr;
    QPushButton* cancelButton = nullptr;

    /// Keeps the list: in play, and as a file of the teacher's own folder.
    void keep();
    /// Closes, asking first when there are changes.
    void reject() override;

signals:
    /// A list was kept: the lists changed.
    void kept();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paste(int row, int column, const QString& text);
    void showCounts();
    bool writeFile(const session::Session::Outcome& outcome, QString& failure);

    MainForm& form_;
    session::ListEditor editor_;
    std::optional<int> category_;
    ListEditorModel* model_ = nullptr;
};

} // namespace window
