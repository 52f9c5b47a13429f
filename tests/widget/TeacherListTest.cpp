// Teachers' lists in the window: opened by Ctrl+O, by a drop and at start-up, played,
// kept for the next start, shown as plain text, and reached past the menu bar's end.

#include "ListFolders.h"
#include "OpenLists.h"
#include "WindowFixture.h"

#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>
#include <sys/stat.h>

namespace {

using window::ListMessage;

const QByteArray peaks = "Възможно име на връх;Най-високият връх на планина\n"
                         "мусала;Рила\nВихрен;Пирин\n";

class TeacherLists : public WindowFixture, public ::testing::WithParamInterface<const char*> {
protected:
    QTemporaryDir dir;
    std::vector<ListMessage> told;
    bool keep = false;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("home")).toUtf8());
        qputenv("XDG_DATA_DIRS", dir.filePath(QStringLiteral("shared")).toUtf8());
        open();
        form->openLists->setMessenger([this](QWidget*, const ListMessage& message) {
            told.push_back(message);
            return keep;
        });
    }
    void TearDown() override {
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_DIRS");
    }

    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    // Opens the files by Ctrl+O and its dialog, or by dropping them onto the letter box.
    void openBy(const QString& way, const QStringList& paths) {
        if (way == QStringLiteral("dialog")) {
            form->openLists->setFileChooser([paths](QWidget*) { return paths; });
            QApplication::setActiveWindow(form.get());
            QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
            return;
        }
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths) {
            urls << QUrl::fromLocalFile(path);
        }
        data.setUrls(urls);
        data.setText(paths.join(QLatin1Char('\n'))); // as file managers give it too
        // As a drag brings it: entering first, which the window must accept.
        QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bukwa(0), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bukwa(0), &drop);
        QCoreApplication::processEvents();
    }
};

TEST_P(TeacherLists, aListOpenedBecomesACategoryThatPlaysToBravo) {
    openBy(GetParam(), {write(QStringLiteral("Върхове.csv"), peaks)});
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].text.startsWith(QStringLiteral("Списъкът „Върхове“ е зареден: 2")));
    EXPECT_EQ(told[0].offerToKeep, GetParam() == std::string("dialog"));
    EXPECT_EQ(bukwa(0)->text(), QString()); // a drop on the letter box types nothing
    ASSERT_EQ(form->Obrabotwa.size(), 7u);
    // Before "Списъци…", which stays last.
    EXPECT_EQ(form->menuBar()->actions().back(), form->listsItem);
    EXPECT_EQ(form->menuBar()->actions().at(6), form->Obrabotwa[6]);
    EXPECT_EQ(form->Obrabotwa[6]->text(), QStringLiteral("Върхове"));
    // The choice shows МУСАЛА among the shuffling answers; the first game asks the first
    // question of the list's order, ВИХРЕН.
    random.script = {0.0f, 0.75f};
    form->Obrabotwa[6]->trigger();
    EXPECT_EQ(form->Label1[0]->text(), QStringLiteral("Възможно име на връх"));
    EXPECT_EQ(stolica(1)->text(), QStringLiteral("МУСАЛА"));
    QTest::mouseClick(Buton(1), Qt::LeftButton);
    EXPECT_EQ(stolica(0)->text(), QStringLiteral("??????"));
    for (const char* letter : {"в", "и", "х", "р", "е", "н"}) {
        typeAndGuess(QString::fromUtf8(letter));
    }
    EXPECT_EQ(bukwa(2)->text(), QStringLiteral("Браво!"));
    EXPECT_EQ(QString::fromStdU32String(game->state().questionText),
              QStringLiteral("Най-високият връх на планина Пирин e: ВИХРЕН"));
}

INSTANTIATE_TEST_SUITE_P(Ways, TeacherLists, ::testing::Values("dialog", "drop"));

TEST_F(TeacherLists, aKeptListAndTheListFoldersLoadAtStartTheirProblemsToldOnce) {
    // Kept after Ctrl+O, the list is a copy in the user's folder, which the next start loads.
    keep = true;
    openBy(QStringLiteral("dialog"), {write(QStringLiteral("Върхове.csv"), peaks)});
    QFile kept(window::userListFolder() + QStringLiteral("/Върхове.csv"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), peaks);
    // The list now lives there, as the lists dialog shows it.
    ASSERT_EQ(form->session().lists().size(), 1u);
    EXPECT_EQ(form->session().lists()[0].home, session::ListHome::OwnFolder);
    EXPECT_EQ(form->session().lists()[0].fileName, U"Върхове.csv");
    // Dropped again, the copy is still the one in the teacher's folder.
    openBy(QStringLiteral("drop"), {kept.fileName()});
    ASSERT_EQ(form->session().lists().size(), 1u);
    EXPECT_EQ(form->session().lists()[0].home, session::ListHome::OwnFolder);
    QDir().mkpath(dir.filePath(QStringLiteral("shared/geografia/lists")));
    write(QStringLiteral("shared/geografia/lists/Езера.csv"), "Езеро;В\nА;б\n;в\nГ;д\n");
    // A note beside the tables is no list.
    write(QStringLiteral("shared/geografia/lists/ПРОЧЕТИ.odt"), "PK\x03\x04");
    // A pipe named on the command line is refused, not waited on.
    const QString fifo = dir.filePath(QStringLiteral("fifo.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    told.clear();
    create();
    random.pushIndex(0);
    form->openLists->setMessenger([this](QWidget*, const ListMessage& message) {
        told.push_back(message);
        return false;
    });
    ASSERT_TRUE(form->load());
    form->openLists->openAtStart({fifo, write(QStringLiteral("Реки.csv"), peaks)});
    EXPECT_TRUE(told.empty()); // told once the event loop runs
    QCoreApplication::processEvents();
    ASSERT_EQ(form->Obrabotwa.size(), 9u);
    EXPECT_EQ(form->Obrabotwa[6]->text(), QStringLiteral("Върхове"));
    EXPECT_EQ(form->Obrabotwa[7]->text(), QStringLiteral("Езера"));
    // Where each lives: the user's folder, the school's, and the command line's for now.
    const auto lists = form->session().lists();
    ASSERT_EQ(lists.size(), 3u);
    EXPECT_EQ(lists[0].home, session::ListHome::OwnFolder);
    EXPECT_EQ(lists[1].home, session::ListHome::SchoolFolder);
    EXPECT_EQ(lists[2].home, session::ListHome::OpenedFile);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_FALSE(told[0].text.contains(QStringLiteral("Върхове")));
    EXPECT_TRUE(told[0].text.contains(QStringLiteral("ред 3: няма отговор")));
    EXPECT_TRUE(told[0].text.contains(QStringLiteral("„fifo.csv“ не е зареден")));
    EXPECT_FALSE(told[0].text.contains(QStringLiteral("ПРОЧЕТИ")));
}

TEST_F(TeacherLists, theUsersOwnCopyHidesTheSchoolsListOfTheSameNameAtStart) {
    // A corrected copy in the user's folder wins over the one under $XDG_DATA_DIRS, silently.
    for (const char* folder : {"home/geografia/lists", "shared/geografia/lists"}) {
        ASSERT_TRUE(QDir().mkpath(dir.filePath(QString::fromUtf8(folder))));
    }
    write(QStringLiteral("home/geografia/lists/Върхове.csv"),
          "Моят връх;Планина\nМусала;Рила\nВихрен;Пирин\n");
    write(QStringLiteral("shared/geografia/lists/Върхове.csv"), peaks);
    create();
    random.pushIndex(0);
    told.clear();
    form->openLists->setMessenger([this](QWidget*, const ListMessage& message) {
        told.push_back(message);
        return false;
    });
    ASSERT_TRUE(form->load());
    form->openLists->openAtStart({});
    QCoreApplication::processEvents();
    ASSERT_EQ(form->Obrabotwa.size(), 7u);
    random.pushIndex(0);
    form->Obrabotwa[6]->trigger();
    EXPECT_EQ(form->Label1[0]->text(), QStringLiteral("Моят връх"));
    EXPECT_TRUE(told.empty());
}

TEST_F(TeacherLists, hostileTextsShowAsTypedInTheMenuTheHintAndTheMessage) {
    const QString name = QStringLiteral("&Файл <b>x&amp;");
    openBy(QStringLiteral("drop"),
           {write(name + QStringLiteral(".csv"), "<b>x</b>\t&amp;\n</script>\t&Файл\nАБ\tВ\n")});
    ASSERT_EQ(form->Obrabotwa.size(), 7u);
    EXPECT_EQ(form->Obrabotwa[6]->iconText(), name); // as the menu bar draws it
    EXPECT_TRUE(QKeySequence::mnemonic(form->Obrabotwa[6]->text()).isEmpty());
    random.pushIndex(0);
    form->Obrabotwa[6]->trigger();
    EXPECT_EQ(form->Label1[0]->text(), QStringLiteral("<b>x</b>"));
    EXPECT_EQ(form->Label1[0]->textFormat(), Qt::PlainText);
    EXPECT_EQ(stolica(1)->text(), QStringLiteral("</SCRIPT>"));
    ASSERT_EQ(told.size(), 1u);
    const auto box = window::listMessageBox(form.get(), told[0]);
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_TRUE(label->text().contains(QStringLiteral("„") + name + QStringLiteral("“")));
    EXPECT_TRUE(label->text().contains(QStringLiteral("„&amp;“")));
}

TEST_F(TeacherLists, twentyListsKeepTheWindowsSizeAndTheLastIsReachedByKeyboard) {
    const QSize size = form->size();
    QStringList paths;
    for (int i = 0; i < 20; ++i) {
        paths << write(QStringLiteral("Списък %1.csv").arg(i), peaks);
    }
    form->openLists->openDropped(paths);
    ASSERT_EQ(form->Obrabotwa.size(), 26u);
    EXPECT_EQ(form->size(), size);
    auto* overflow = form->menuBar()->findChild<QToolButton*>("qt_menubar_ext_button");
    ASSERT_NE(overflow, nullptr);
    ASSERT_TRUE(overflow->isVisible());
    // Left from "Изход" goes round to the last item, "Списъци…", in the overflow's menu;
    // the last list is just before it.
    QApplication::setActiveWindow(form.get());
    QTest::keyClick(form.get(), Qt::Key_Alt);
    ASSERT_EQ(form->menuBar()->activeAction(), form->Obrabotwa[0]);
    QTest::keyClick(form->menuBar(), Qt::Key_Left);
    ASSERT_EQ(QApplication::activePopupWidget(), overflow->menu());
    EXPECT_EQ(overflow->menu()->activeAction(), form->listsItem);
    EXPECT_EQ(overflow->menu()->actions().back(), form->listsItem);
    QTest::keyClick(overflow->menu(), Qt::Key_Up);
    EXPECT_EQ(overflow->menu()->activeAction(), form->Obrabotwa[25]);
    random.pushIndex(0);
    QTest::keyClick(overflow->menu(), Qt::Key_Return);
    EXPECT_EQ(game->state().categoryIndex, 24);
}

} // namespace
