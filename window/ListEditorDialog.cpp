#include "ListEditorDialog.h"

#include "Definition.h"
#include "ListEditorModel.h"
#include "ListFolders.h"
#include "ListTable.h"
#include "ListsDialog.h"
#include "MainForm.h"
#include "OpenLists.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>
#include <algorithm>

namespace window {

namespace {

namespace texts = form::listsDialog;
using session::ListEditor;

} // namespace

ListEditorDialog::ListEditorDialog(MainForm& form, ListEditor editor, std::optional<int> category,
                                   QWidget* parent)
    : QDialog(parent), form_(form), editor_(std::move(editor)), category_(category) {
    setObjectName(QStringLiteral("listEditor"));
    setWindowTitle(toQString(texts::editorTitle));
    model_ = new ListEditorModel(editor_, this);

    nameField = new QLineEdit(toQString(editor_.name()), this);
    hintField = new QLineEdit(toQString(editor_.cell(ListEditor::headerRow, 0)), this);
    prefixField = new QLineEdit(toQString(editor_.cell(ListEditor::headerRow, 1)), this);
    auto* fields = new QFormLayout;
    for (auto [field, label] :
         {std::pair{nameField, texts::nameLabel}, std::pair{hintField, texts::hintLabel},
          std::pair{prefixField, texts::prefixLabel}}) {
        field->setAccessibleName(toQString(label));
        field->installEventFilter(this);
        fields->addRow(toQString(label), field);
    }
    headerCheck = new QLabel(this);
    headerCheck->setTextFormat(Qt::PlainText);
    headerCheck->setObjectName(QStringLiteral("headerCheck"));

    auto* hint = new QLabel(toQString(texts::pasteHint), this);
    hint->setTextFormat(Qt::PlainText);
    hint->setWordWrap(true);
    table = new ListTable(this);
    table->setModel(model_);
    table->setAccessibleName(toQString(texts::editorTitle));
    table->setAccessibleDescription(toQString(texts::pasteHint));
    table->setColumnWidth(texts::answerColumn, 180);
    table->setColumnWidth(texts::clueColumn, 260);
    table->setCurrentIndex(model_->index(0, texts::answerColumn));
    countLine = new QLabel(this);
    countLine->setTextFormat(Qt::PlainText);
    countLine->setObjectName(QStringLiteral("countLine"));

    keepButton = new QPushButton(toQString(texts::keepButton), this);
    cancelButton = new QPushButton(toQString(texts::cancelButton), this);
    for (QPushButton* button : {keepButton, cancelButton}) {
        // Enter moves through the fields and the table; it keeps nothing by surprise.
        button->setAutoDefault(false);
        button->setAccessibleName(button->text());
    }
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(keepButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancelButton, QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(headerCheck);
    layout->addWidget(hint);
    layout->addWidget(table, 1);
    layout->addWidget(countLine);
    layout->addWidget(buttons);
    setTabOrder(nameField, hintField);
    setTabOrder(hintField, prefixField);
    setTabOrder(prefixField, table);
    setTabOrder(table, keepButton);
    setTabOrder(keepButton, cancelButton);
    resize(720, 520);

    connect(nameField, &QLineEdit::textEdited, this,
            [this](const QString& text) { editor_.setName(text.toStdU32String()); });
    connect(hintField, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_->setHeaderCell(ListEditor::answerColumn, text); });
    connect(prefixField, &QLineEdit::textEdited, this,
            [this](const QString& text) { model_->setHeaderCell(ListEditor::clueColumn, text); });
    connect(model_, &ListEditorModel::edited, this, &ListEditorDialog::showCounts);
    connect(table, &ListTable::pasteAsked, this,
            [this](const QModelIndex& at, const QString& text) {
                const QModelIndex cell = at.isValid() ? at : model_->index(0, texts::answerColumn);
                paste(ListEditorModel::editorRow(cell.row()),
                      std::min(cell.column(), static_cast<int>(texts::clueColumn)), text);
            });
    connect(keepButton, &QPushButton::clicked, this, &ListEditorDialog::keep);
    connect(cancelButton, &QPushButton::clicked, this, &ListEditorDialog::reject);
    showCounts();
    nameField->setFocus();
}

void ListEditorDialog::showCounts() {
    countLine->setText(toQString(texts::countLine)
                           .arg(QString::number(editor_.questions()),
                                QString::number(editor_.rowsWithProblems())));
    headerCheck->setText(toQString(editor_.rowProblem(ListEditor::headerRow)));
}

void ListEditorDialog::paste(int row, int column, const QString& text) {
    const ListEditor::Pasted pasted = model_->paste(row, column, text);
    // The header, which a table pasted from row 1 fills too, as the editor now holds it.
    hintField->setText(toQString(editor_.cell(ListEditor::headerRow, ListEditor::answerColumn)));
    prefixField->setText(toQString(editor_.cell(ListEditor::headerRow, ListEditor::clueColumn)));
    const int shown =
        std::clamp(ListEditorModel::tableRow(pasted.lastRow), 0, model_->rowCount() - 1);
    table->setCurrentIndex(model_->index(shown, column));
    table->scrollTo(table->currentIndex());
    if (pasted.tooLarge) {
        form_.openLists->tell(this, {toQString(texts::pasteTooLarge), true, false});
    } else if (pasted.rowsBeyond > 0) {
        form_.openLists->tell(
            this, {toQString(texts::pasteRowsBeyond).arg(QString::number(pasted.rowsBeyond)), true,
                   false});
    }
}

bool ListEditorDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress ||
        (watched != hintField && watched != prefixField && watched != nameField)) {
        return QDialog::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (isEnter(key)) {
        focusNextChild();
        return true;
    }
    // A table pasted into the header fills it and the questions after it, as in a file.
    if (watched != nameField && key->matches(QKeySequence::Paste) &&
        isPastedTable(clipboardText())) {
        paste(ListEditor::headerRow,
              watched == hintField ? ListEditor::answerColumn : ListEditor::clueColumn,
              clipboardText());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool ListEditorDialog::writeFile(const session::Session::Outcome& outcome, QString& failure) {
    const QString folder = userListFolder();
    const QString path = ownListFile(outcome.fileName);
    if (path.isEmpty()) {
        failure = toQString(form::listTexts::noFolder);
        return false;
    }
    if (!QDir().mkpath(folder)) {
        failure = toQString(form::listTexts::noFolder);
        return false;
    }
    QSaveFile file(path);
    const auto size = static_cast<qint64>(outcome.file.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(outcome.file.data(), size) != size ||
        !file.commit()) {
        failure = file.errorString();
        return false;
    }
    return true;
}

void ListEditorDialog::keep() {
    const session::Session::Outcome outcome =
        form_.session().keepList(editor_, session::ListHome::OwnFolder, category_);
    ListMessage message{toQString(outcome.message), !outcome.category || outcome.rowsLeftOut > 0,
                        false};
    if (outcome.category) {
        const QString fileName = toQString(outcome.fileName);
        QString failure;
        if (!writeFile(outcome, failure)) {
            message.warning = true;
            message.text +=
                QStringLiteral("\n\n") +
                toQString(texts::keepFailed).arg(quoted(fileName), userListFolder(), failure);
            if (!QFile::exists(ownListFile(outcome.fileName))) {
                // Nothing of it is in the folder: it plays for now only.
                form_.session().listMoved(*outcome.category, session::ListHome::OpenedFile,
                                          outcome.fileName);
            }
        } else if (!outcome.forget.empty()) {
            // Kept under its new name, the list's file under the old one goes; only once
            // the new one is written, so that the list is never in neither.
            const QString old = ownListFile(outcome.forget);
            QFile file(old);
            if (!old.isEmpty() && file.exists() && !file.remove()) {
                message.text += QStringLiteral("\n\n") +
                                toQString(texts::removeFailed)
                                    .arg(quoted(toQString(outcome.forget)), file.errorString());
            }
        }
        category_ = outcome.category;
        editor_.markKept();
    }
    form_.openLists->tell(this, message);
    emit kept();
    if (outcome.category) {
        accept();
    }
}

void ListEditorDialog::reject() {
    if (editor_.changed() &&
        !form_.openLists->ask(this, toQString(texts::discardQuestion), toQString(texts::discardYes),
                              toQString(texts::discardNo))) {
        return;
    }
    QDialog::reject();
}

} // namespace window
