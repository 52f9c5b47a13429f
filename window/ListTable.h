#pragma once

#include <QTableView>
#include <functional>

class QKeyEvent;

namespace window {

/// The clipboard's text (text/plain), as a paste takes it.
QString clipboardText();
/// Enter or Return, with no modifier but the keypad's.
bool isEnter(const QKeyEvent* key);
/// True for text that a paste spreads over cells: more than one line, or a tab.
bool isPastedTable(QString text);

/// The table of the editor's questions, moving as a spreadsheet does: Enter goes down a
/// row (in the column where Tab began along the row), Tab to the next cell (past the
/// check column, on to the next row), typing starts editing the cell, Delete empties it,
/// and Ctrl+V asks for a paste of the clipboard's text there (pasteAsked), also from a
/// cell being edited when the text is a table.
class ListTable : public QTableView {
    Q_OBJECT

public:
    explicit ListTable(QWidget* parent = nullptr);

signals:
    /// Ctrl+V on the cell `at`, with the clipboard's text.
    void pasteAsked(const QModelIndex& at, const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    void moveDown();
    void tab(const std::function<void()>& move);

    /// Where Tab began going along the row, to which Enter comes back on the next row;
    /// -1 when the last move was no Tab.
    int enterColumn_ = -1;
    bool tabbing_ = false;
};

} // namespace window
