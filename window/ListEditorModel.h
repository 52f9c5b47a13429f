#pragma once

#include "ListEditor.h"

#include <QAbstractTableModel>

namespace window {

/**
 * The questions of a list in the editor as a table: a row for each question, then the
 * empty row for the next, numbered as a spreadsheet numbers them (the first question is
 * row 2, the header being row 1). Its columns: the answer, the clue, and what the reader
 * says is wrong with the row.
 *
 * The model draws from the editor it is given and hands it every change; a paste of
 * thousands of rows resets it once rather than row by row.
 */
class ListEditorModel : public QAbstractTableModel {
    Q_OBJECT

public:
    /// `editor` must outlive the model.
    explicit ListEditorModel(session::ListEditor& editor, QObject* parent = nullptr);

    /// The editor's row of a table row, and back.
    static int editorRow(int row) { return row + session::ListEditor::firstQuestionRow; }
    static int tableRow(int editorRow) { return editorRow - session::ListEditor::firstQuestionRow; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    /// Pastes `text` with its first cell at the editor's (row, column): see ListEditor::paste.
    session::ListEditor::Pasted paste(int row, int column, const QString& text);
    /// Sets a cell of the header, row 1, which the table does not show.
    void setHeaderCell(int column, const QString& text);

signals:
    /// Something of the list changed: its counts may have too.
    void edited();

private:
    int rowsAfterSetting(int row, int column, std::u32string_view text) const;

    session::ListEditor& editor_;
};

} // namespace window
