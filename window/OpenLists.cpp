#include "OpenLists.h"

#include "Definition.h"
#include "ListFolders.h"
#include "MainForm.h"
#include "TeacherLists.h"

#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTimer>
#include <QUrl>
#include <cstdio>

namespace window {

namespace {

namespace texts = form::listTexts;

QStringList chooseInDialog(QWidget* parent) {
    return QFileDialog::getOpenFileNames(
        parent, toQString(texts::dialogTitle), QString(),
        toQString(texts::dialogFilters).arg(toQString(texts::listFilePatterns)));
}

bool showInBox(QWidget* parent, const ListMessage& message) {
    const auto box = listMessageBox(parent, message);
    box->exec();
    return message.offerToKeep && box->buttonRole(box->clickedButton()) == QMessageBox::AcceptRole;
}

bool askInBox(QWidget* parent, const QString& text, const QString& yes, const QString& no) {
    QMessageBox box(QMessageBox::Question, toQString(texts::messageTitle), QString(),
                    QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("listQuestion"));
    // The question names a teacher's list: plain text, never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    QPushButton* yesButton = box.addButton(yes, QMessageBox::AcceptRole);
    QPushButton* noButton = box.addButton(no, QMessageBox::RejectRole);
    box.setDefaultButton(noButton);
    box.setEscapeButton(noButton);
    box.exec();
    return box.clickedButton() == yesButton;
}

// The local files among what is dragged; none for anything else.
QStringList localFiles(const QMimeData* data) {
    QStringList paths;
    if (data != nullptr && data->hasUrls()) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile()) {
                paths << url.toLocalFile();
            }
        }
    }
    return paths;
}

} // namespace

QString quoted(const QString& text) {
    return QStringLiteral("„%1“").arg(text);
}

std::unique_ptr<QMessageBox> listMessageBox(QWidget* parent, const ListMessage& message) {
    auto box = std::make_unique<QMessageBox>(
        message.warning ? QMessageBox::Warning : QMessageBox::Information,
        toQString(texts::messageTitle), QString(), QMessageBox::NoButton, parent);
    box->setObjectName(QStringLiteral("listMessage"));
    // The names and texts of a list are the teacher's, never markup.
    box->setTextFormat(Qt::PlainText);
    box->setText(message.text);
    if (message.offerToKeep) {
        box->addButton(toQString(texts::keepButton), QMessageBox::AcceptRole);
    }
    QPushButton* close = box->addButton(toQString(texts::closeButton), QMessageBox::RejectRole);
    box->setDefaultButton(close);
    box->setEscapeButton(close);
    return box;
}

OpenLists::OpenLists(MainForm& form)
    : QObject(&form), form_(form), choose_(chooseInDialog), tell_(showInBox), ask_(askInBox) {
    auto* openKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), &form);
    connect(openKey, &QShortcut::activated, this, &OpenLists::openChosen);
    // Files dropped anywhere on the window, the text fields included, are lists.
    form.setAcceptDrops(true);
    form.installEventFilter(this);
    for (QWidget* element : form.findChildren<QWidget*>()) {
        if (element->acceptDrops()) {
            element->installEventFilter(this);
        }
    }
}

bool OpenLists::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return QObject::eventFilter(watched, event);
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList paths = localFiles(drop->mimeData());
    if (paths.isEmpty()) {
        return QObject::eventFilter(watched, event);
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        // Opened once the drop has ended, so that the program the files came from is
        // not kept waiting while the message shows.
        QTimer::singleShot(0, this, [this, paths] { openDropped(paths); });
    }
    return true;
}

OpenLists::Opened OpenLists::open(const QString& path, session::ListHome home) {
    Opened opened{path, {}, false, false, {}, std::nullopt};
    const std::u32string name = QFileInfo(path).fileName().toStdU32String();
    ListFileBytes file = readListBytes(path);
    // A file of the teacher's own folder, opened or dropped, lives there all the same.
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (home == session::ListHome::OpenedFile &&
        folder.canonicalFilePath() == QFileInfo(userListFolder()).canonicalFilePath() &&
        !folder.canonicalFilePath().isEmpty()) {
        home = session::ListHome::OwnFolder;
    }
    const session::TeacherLists::Outcome outcome =
        file.readable ? form_.addList(file.bytes, name, file.size, home)
                      : session::TeacherLists::unreadable(name);
    opened.loaded = outcome.category.has_value();
    opened.category = outcome.category;
    opened.problem = !opened.loaded || outcome.rowsLeftOut > 0;
    opened.message = toQString(outcome.message);
    if (opened.loaded) {
        opened.bytes = std::move(file.bytes);
    }
    return opened;
}

std::vector<OpenLists::Opened> OpenLists::openAll(const QStringList& paths, ListMessage& message) {
    std::vector<Opened> opened;
    QStringList texts;
    for (const QString& path : paths) {
        opened.push_back(open(path));
        message.warning = message.warning || opened.back().problem;
        texts << opened.back().message;
    }
    message.text = texts.join(QStringLiteral("\n\n"));
    return opened;
}

void OpenLists::openChosen() {
    const QStringList paths = choose_(&form_);
    if (paths.isEmpty()) {
        return;
    }
    ListMessage message;
    const std::vector<Opened> opened = openAll(paths, message);
    // The lists that loaded and are not in the user's folder already.
    const QDir folder(userListFolder());
    std::vector<const Opened*> keepable;
    QStringList names;
    QStringList replaced;
    for (const Opened& list : opened) {
        const QFileInfo source(list.path);
        const QFileInfo copy(folder.filePath(source.fileName()));
        if (!list.loaded ||
            (copy.exists() && copy.canonicalFilePath() == source.canonicalFilePath())) {
            continue;
        }
        keepable.push_back(&list);
        names << quoted(source.completeBaseName());
        if (copy.exists()) {
            replaced << quoted(source.fileName());
        }
    }
    if (!keepable.empty()) {
        message.offerToKeep = true;
        message.text += QStringLiteral("\n\n") +
                        toQString(keepable.size() == 1 ? texts::keepOne : texts::keepMany)
                            .arg(names.join(QStringLiteral(", ")), folder.path());
        for (const QString& name : replaced) {
            message.text += QLatin1Char(' ') + toQString(texts::keepReplaces).arg(name);
        }
    }
    if (tell_(&form_, message) && !keepable.empty()) {
        keep(keepable);
    }
}

// Copies of the bytes that were read, which are what loaded, in the user's folder; a
// file of the same name there is replaced whole or not at all.
void OpenLists::keep(const std::vector<const Opened*>& lists) {
    const QString folder = userListFolder();
    const bool made = QDir().mkpath(folder);
    QStringList failures;
    for (const Opened* list : lists) {
        const QString name = QFileInfo(list->path).fileName();
        QSaveFile copy(QDir(folder).filePath(name));
        const auto size = static_cast<qint64>(list->bytes.size());
        if (!made || !copy.open(QIODevice::WriteOnly) ||
            copy.write(list->bytes.data(), size) != size || !copy.commit()) {
            failures << toQString(texts::keepFailed)
                            .arg(quoted(name), folder,
                                 made ? copy.errorString() : toQString(texts::noFolder));
        } else if (list->category) {
            // The list now lives in the teacher's folder, as that copy.
            form_.session().listMoved(*list->category, session::ListHome::OwnFolder,
                                      name.toStdU32String());
        }
    }
    if (!failures.isEmpty()) {
        tell_(&form_, {failures.join(QLatin1Char('\n')), true, false});
    }
}

void OpenLists::openDropped(const QStringList& paths) {
    ListMessage message;
    openAll(paths, message);
    tell_(&form_, message);
}

void OpenLists::openAtStart(const QStringList& paths) {
    QStringList problems;
    const QString own = userListFolder();
    const QStringList folderFiles = listFilesAtStart();
    for (qsizetype i = 0; i < folderFiles.size() + paths.size(); ++i) {
        const bool fromFolder = i < folderFiles.size();
        const QString& path = fromFolder ? folderFiles[i] : paths[i - folderFiles.size()];
        const session::ListHome home = !fromFolder ? session::ListHome::OpenedFile
                                       : QFileInfo(path).absolutePath() == own
                                           ? session::ListHome::OwnFolder
                                           : session::ListHome::SchoolFolder;
        const Opened opened = open(path, home);
        if (opened.problem) {
            const QString line = QCoreApplication::applicationName() + QStringLiteral(": ") + path +
                                 QStringLiteral(": ") + opened.message + QLatin1Char('\n');
            std::fputs(line.toUtf8().constData(), stderr);
            problems << opened.message;
        }
    }
    if (!problems.isEmpty()) {
        QTimer::singleShot(0, this, [this, problems] {
            tell_(&form_, {problems.join(QStringLiteral("\n\n")), true, false});
        });
    }
}

} // namespace window
