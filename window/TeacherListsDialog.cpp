#include "TeacherListsDialog.h"

#include "Definition.h"
#include "ListEditorDialog.h"
#include "ListFolders.h"
#include "ListsDialog.h"
#include "MainForm.h"
#include "OpenLists.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace window {

namespace {

namespace texts = form::listsDialog;
using session::ListHome;

QTableWidgetItem* item(const QString& text) {
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return cell;
}

} // namespace

TeacherListsDialog::TeacherListsDialog(MainForm& form) : QDialog(&form), form_(form) {
    setObjectName(QStringLiteral("listsDialog"));
    setWindowTitle(toQString(texts::title));
    table = new QTableWidget(0, static_cast<int>(texts::listColumns.size()), this);
    QStringList columns;
    for (const auto column : texts::listColumns) {
        columns << toQString(column);
    }
    table->setHorizontalHeaderLabels(columns);
    table->setAccessibleName(toQString(texts::title));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab goes on to the buttons; the arrow keys choose a list.
    table->setTabKeyNavigation(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setColumnWidth(0, 220);
    table->setColumnWidth(1, 80);
    noLists = new QLabel(toQString(texts::noLists), this);
    noLists->setWordWrap(true);

    newButton = new QPushButton(toQString(texts::newButton), this);
    changeButton = new QPushButton(toQString(texts::changeButton), this);
    openButton = new QPushButton(toQString(texts::openButton), this);
    removeButton = new QPushButton(toQString(texts::removeButton), this);
    closeButton = new QPushButton(toQString(texts::closeButton), this);
    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    for (QPushButton* button : {newButton, changeButton, openButton, removeButton}) {
        button->setAutoDefault(false);
        button->setAccessibleName(button->text());
        buttons->addButton(button, QDialogButtonBox::ActionRole);
    }
    closeButton->setAccessibleName(closeButton->text());
    closeButton->setAutoDefault(false);
    buttons->addButton(closeButton, QDialogButtonBox::RejectRole);

    auto* lists = new QVBoxLayout;
    lists->addWidget(table, 1);
    lists->addWidget(noLists);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(buttons);
    setTabOrder(table, newButton);
    setTabOrder(newButton, changeButton);
    setTabOrder(changeButton, openButton);
    setTabOrder(openButton, removeButton);
    setTabOrder(removeButton, closeButton);
    resize(640, 360);

    connect(newButton, &QPushButton::clicked, this, [this] { edit({}, std::nullopt); });
    auto change = [this] {
        if (const auto entry = chosen()) {
            if (auto editor = form_.session().listEditor(entry->category)) {
                edit(std::move(*editor), entry->category);
            }
        }
    };
    connect(changeButton, &QPushButton::clicked, this, change);
    connect(table, &QTableWidget::activated, this, change);
    connect(openButton, &QPushButton::clicked, this, [this] {
        form_.openLists->openChosen();
        refresh();
    });
    connect(removeButton, &QPushButton::clicked, this, [this] {
        if (const auto entry = chosen()) {
            remove(*entry);
        }
    });
    connect(closeButton, &QPushButton::clicked, this, &TeacherListsDialog::reject);
    connect(table, &QTableWidget::itemSelectionChanged, this, [this] {
        changeButton->setEnabled(chosen().has_value());
        removeButton->setEnabled(chosen().has_value());
    });
    refresh();
}

void TeacherListsDialog::refresh() {
    const std::optional<session::ListEntry> was = chosen();
    entries_ = form_.session().lists();
    table->setRowCount(static_cast<int>(entries_.size()));
    int row = 0;
    int chosenRow = entries_.empty() ? -1 : 0;
    for (const session::ListEntry& entry : entries_) {
        table->setItem(row, 0, item(toQString(entry.name)));
        table->setItem(row, 1, item(QString::number(entry.questions)));
        const auto home = static_cast<std::size_t>(entry.home);
        table->setItem(
            row, 2, item(home < texts::homes.size() ? toQString(texts::homes[home]) : QString()));
        if (was && was->category == entry.category) {
            chosenRow = row;
        }
        ++row;
    }
    noLists->setVisible(entries_.empty());
    table->setCurrentCell(chosenRow, 0);
    changeButton->setEnabled(chosenRow >= 0);
    removeButton->setEnabled(chosenRow >= 0);
}

std::optional<session::ListEntry> TeacherListsDialog::chosen() const {
    const int row = table->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= entries_.size() ||
        table->selectedItems().isEmpty()) {
        return std::nullopt;
    }
    return entries_[static_cast<std::size_t>(row)];
}

void TeacherListsDialog::edit(session::ListEditor editor, std::optional<int> category) {
    if (editor_ != nullptr) {
        editor_->raise();
        return;
    }
    editor_ = new ListEditorDialog(form_, std::move(editor), category, this);
    editor_->setAttribute(Qt::WA_DeleteOnClose);
    connect(editor_, &ListEditorDialog::kept, this, &TeacherListsDialog::refresh);
    // Closed, it is deleted later; the next list opens in an editor of its own.
    connect(editor_, &QDialog::finished, this, [this] { editor_ = nullptr; });
    editor_->open();
}

void TeacherListsDialog::remove(const session::ListEntry& entry) {
    const QString name = quoted(toQString(entry.name));
    const QString fileName = toQString(entry.fileName);
    OpenLists& lists = *form_.openLists;
    if (entry.home == ListHome::SchoolFolder) {
        lists.tell(this, {toQString(texts::schoolListStays).arg(name), false, false});
        return;
    }
    const bool own = entry.home == ListHome::OwnFolder;
    const QString question = toQString(texts::removeQuestion).arg(name) + QLatin1Char(' ') +
                             (own ? toQString(texts::removeDeletesFile).arg(quoted(fileName))
                                  : toQString(texts::removeForNow));
    if (!lists.ask(this, question, toQString(texts::removeYes), toQString(texts::removeNo)) ||
        !form_.session().removeList(entry.category)) {
        refresh();
        return;
    }
    if (own) {
        const QString path = ownListFile(entry.fileName);
        QFile file(path);
        if (!path.isEmpty() && file.exists() && !file.remove()) {
            lists.tell(this,
                       {toQString(texts::removeFailed).arg(quoted(fileName), file.errorString()),
                        true, false});
        }
    }
    refresh();
}

} // namespace window
