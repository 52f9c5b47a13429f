#include "ListEditorModel.h"

#include "Definition.h"
#include "ListsDialog.h"

namespace window {

namespace {

namespace texts = form::listsDialog;
using session::ListEditor;

bool isBlank(std::u32string_view text) {
    return text.find_first_not_of(U' ') == std::u32string_view::npos;
}

} // namespace

ListEditorModel::ListEditorModel(ListEditor& editor, QObject* parent)
    : QAbstractTableModel(parent), editor_(editor) {}

int ListEditorModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : tableRow(editor_.lastRow()) + 1;
}

int ListEditorModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(texts::rowColumns.size());
}

QVariant ListEditorModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole &&
                             role != Qt::ToolTipRole && role != Qt::AccessibleTextRole)) {
        return {};
    }
    const int row = editorRow(index.row());
    if (index.column() == texts::checkColumn) {
        return toQString(editor_.rowProblem(row));
    }
    if (role == Qt::ToolTipRole) {
        return {};
    }
    return toQString(editor_.cell(row, index.column()));
}

// The rows there will be once the cell is set: the empty last row, typed into, becomes
// a question with a new empty row after it; the last question, emptied, goes, with any
// empty ones before it. Told to the view before the editor changes, as Qt asks.
int ListEditorModel::rowsAfterSetting(int row, int column, std::u32string_view text) const {
    const int rows = rowCount();
    const int last = editor_.lastRow();
    if (row == last) {
        return editor_.rowProblem(last).empty() && !isBlank(text) ? rows + 1 : rows;
    }
    if (row != last - 1 || !isBlank(text) ||
        !isBlank(editor_.cell(row, column == ListEditor::answerColumn
                                       ? ListEditor::clueColumn
                                       : ListEditor::answerColumn))) {
        return rows;
    }
    // A row is empty when its cells are blank and nothing is wrong with it (a cell
    // pasted beyond the clue would be).
    int empty = row;
    while (empty - 1 >= ListEditor::firstQuestionRow &&
           isBlank(editor_.cell(empty - 1, ListEditor::answerColumn)) &&
           isBlank(editor_.cell(empty - 1, ListEditor::clueColumn)) &&
           editor_.rowProblem(empty - 1).empty()) {
        --empty;
    }
    return tableRow(empty) + 1;
}

bool ListEditorModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || index.column() == texts::checkColumn) {
        return false;
    }
    const int row = editorRow(index.row());
    const std::u32string text = value.toString().toStdU32String();
    if (text == editor_.cell(row, index.column())) {
        return false;
    }
    const int before = rowCount();
    const int after = rowsAfterSetting(row, index.column(), text);
    if (after > before) {
        beginInsertRows({}, before, after - 1);
    } else if (after < before) {
        beginRemoveRows({}, after, before - 1);
    }
    editor_.setCell(row, index.column(), text);
    if (after > before) {
        endInsertRows();
    } else if (after < before) {
        endRemoveRows();
    }
    if (rowCount() != after) {
        // Should the editor ever differ from what was told, the view reads it all again.
        beginResetModel();
        endResetModel();
    } else if (index.row() < after) {
        emit dataChanged(this->index(index.row(), 0), this->index(index.row(), texts::checkColumn));
    }
    emit edited();
    return true;
}

QVariant ListEditorModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return QString::number(editorRow(section));
    }
    if (section >= 0 && section < static_cast<int>(texts::rowColumns.size())) {
        return toQString(texts::rowColumns[static_cast<std::size_t>(section)]);
    }
    return {};
}

Qt::ItemFlags ListEditorModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == texts::checkColumn ? flags : flags | Qt::ItemIsEditable;
}

ListEditor::Pasted ListEditorModel::paste(int row, int column, const QString& text) {
    beginResetModel();
    const ListEditor::Pasted pasted = editor_.paste(row, column, text.toStdU32String());
    endResetModel();
    emit edited();
    return pasted;
}

void ListEditorModel::setHeaderCell(int column, const QString& text) {
    editor_.setCell(ListEditor::headerRow, column, text.toStdU32String());
    emit edited();
}

} // namespace window
