#include "ListTable.h"

#include "ListsDialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

namespace window {

namespace {

namespace texts = form::listsDialog;

// Each cell's editor lets the table see its keys first: a table pasted into it
// spreads over the cells from there, as it does when the cell is not being edited.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (editor != nullptr && this->parent() != nullptr) {
            editor->installEventFilter(this->parent());
        }
        return editor;
    }
};

} // namespace

QString clipboardText() {
    return QGuiApplication::clipboard()->text();
}

bool isEnter(const QKeyEvent* key) {
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool isPastedTable(QString text) {
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'))) {
        text.chop(1);
    }
    return text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')) ||
           text.contains(QLatin1Char('\r'));
}

ListTable::ListTable(QWidget* parent) : QTableView(parent) {
    setItemDelegate(new CellDelegate(this));
    setTabKeyNavigation(true);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    // Rows of one height, never measured: a list of ten thousand rows shows at once.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(true);
}

void ListTable::moveDown() {
    const QModelIndex current = currentIndex();
    if (current.isValid() && current.row() + 1 < model()->rowCount()) {
        setCurrentIndex(
            model()->index(current.row() + 1, enterColumn_ >= 0 ? enterColumn_ : current.column()));
    }
}

void ListTable::tab(const std::function<void()>& move) {
    if (enterColumn_ < 0) {
        enterColumn_ = currentIndex().column();
    }
    tabbing_ = true;
    move();
    tabbing_ = false;
}

void ListTable::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!tabbing_) {
        enterColumn_ = -1;
    }
}

QModelIndex ListTable::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    if (model() == nullptr || !current.isValid() ||
        (action != MoveNext && action != MovePrevious)) {
        return QTableView::moveCursor(action, modifiers);
    }
    // Tab goes over the cells that take text, row by row; the check column is the
    // table's, not the teacher's.
    const int row = current.row();
    if (action == MoveNext) {
        if (current.column() == texts::answerColumn) {
            return model()->index(row, texts::clueColumn);
        }
        return row + 1 < model()->rowCount() ? model()->index(row + 1, texts::answerColumn)
                                             : QModelIndex();
    }
    if (current.column() != texts::answerColumn) {
        return model()->index(row, current.column() - 1 == texts::answerColumn ? texts::answerColumn
                                                                               : texts::clueColumn);
    }
    return row > 0 ? model()->index(row - 1, texts::clueColumn) : QModelIndex();
}

void ListTable::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        emit pasteAsked(currentIndex(), clipboardText());
        return;
    }
    if (isEnter(event)) {
        // While a cell is edited, its editor keeps the text and goes down itself
        // (closeEditor); the key that comes on from it is no second move.
        if (state() != EditingState) {
            moveDown();
        }
        return;
    }
    if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) &&
        (event->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier) {
        const bool back = event->key() == Qt::Key_Backtab;
        const QModelIndex next = moveCursor(back ? MovePrevious : MoveNext, event->modifiers());
        if (!next.isValid()) {
            // Past the first or the last cell, Tab leaves the table.
            event->ignore();
            return;
        }
        tab([&] { setCurrentIndex(next); });
        return;
    }
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier &&
        (model()->flags(currentIndex()) & Qt::ItemIsEditable)) {
        model()->setData(currentIndex(), QString());
        return;
    }
    QTableView::keyPressEvent(event);
}

// Enter in a cell's editor keeps the text and goes down a row, as in a spreadsheet.
void ListTable::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (hint == QAbstractItemDelegate::EditNextItem ||
        hint == QAbstractItemDelegate::EditPreviousItem) {
        tab([&] { QTableView::closeEditor(editor, hint); });
        return;
    }
    QTableView::closeEditor(editor, hint == QAbstractItemDelegate::SubmitModelCache
                                        ? QAbstractItemDelegate::NoHint
                                        : hint);
    if (hint == QAbstractItemDelegate::SubmitModelCache) {
        moveDown();
    }
}

bool ListTable::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(watched);
    if (editor != nullptr && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) &&
        isPastedTable(clipboardText())) {
        const QModelIndex at = currentIndex();
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
        emit pasteAsked(at, clipboardText());
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace window
