// The teacher's lists dialog and its editor, as a teacher uses them: a list typed and
// pasted, kept as a file of the teacher's own folder, played, changed and removed.

#include "Definition.h"
#include "ListEditorDialog.h"
#include "ListEditorModel.h"
#include "ListFile.h"
#include "ListFolders.h"
#include "ListTable.h"
#include "OpenLists.h"
#include "TeacherListsDialog.h"
#include "WindowFixture.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

using window::ListMessage;

class ListsDialogTest : public WindowFixture {
protected:
    QTemporaryDir dir;
    std::vector<ListMessage> told;
    QStringList asked;
    bool yes = true;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("home")).toUtf8());
        qputenv("XDG_DATA_DIRS", dir.filePath(QStringLiteral("shared")).toUtf8());
        open();
        form->openLists->setMessenger([this](QWidget*, const ListMessage& message) {
            told.push_back(message);
            return false;
        });
        form->openLists->setQuestioner(
            [this](QWidget*, const QString& text, const QString&, const QString&) {
                asked << text;
                return yes;
            });
    }
    void TearDown() override {
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_DATA_DIRS");
    }

    // The keys go where the focus is, as a keyboard's do.
    static QWidget* focused() { return QApplication::focusWidget(); }
    static void typeKeys(const QString& text) {
        for (const QChar character : text) {
            ASSERT_NE(focused(), nullptr);
            type(focused(), QString(character));
        }
    }
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ASSERT_NE(focused(), nullptr);
        QTest::keyClick(focused(), key, modifiers);
        // Enter in a cell keeps its text once the event loop runs, as Qt's editors do.
        QCoreApplication::processEvents();
    }

    window::TeacherListsDialog* openListsByAltL() {
        QApplication::setActiveWindow(form.get());
        QTest::keyClick(form.get(), Qt::Key_L, Qt::AltModifier);
        EXPECT_NE(form->listsDialog, nullptr);
        EXPECT_TRUE(form->listsDialog != nullptr && form->listsDialog->isVisible());
        return form->listsDialog;
    }
    static window::ListEditorDialog* editorOf(window::TeacherListsDialog* lists) {
        window::ListEditorDialog* editor = lists->editor();
        EXPECT_NE(editor, nullptr);
        if (editor != nullptr) {
            QApplication::setActiveWindow(editor);
        }
        return editor;
    }
    static std::vector<std::u32string> answersInFile(const QByteArray& bytes) {
        const auto read = wordlists::readListFile(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
            U"Европа.csv");
        return read.list ? read.list->answers : std::vector<std::u32string>{};
    }
    static QByteArray readAll(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(ListsDialogTest, aListIsTypedPastedKeptPlayedChangedAndRemoved) {
    ASSERT_EQ(form->menuBar()->actions().back(), form->listsItem);
    auto* lists = openListsByAltL();
    ASSERT_NE(lists, nullptr);
    EXPECT_FALSE(lists->noLists->isHidden());
    QTest::mouseClick(lists->newButton, Qt::LeftButton);
    // Closed, an editor deletes itself: watched, so that it is never read once gone.
    QPointer<window::ListEditorDialog> editor = editorOf(lists);
    ASSERT_NE(editor, nullptr);

    // The name, the header, then two rows typed: Tab to the next cell, Enter a row down.
    ASSERT_EQ(focused(), editor->nameField);
    typeKeys(QStringLiteral("Европа"));
    press(Qt::Key_Tab);
    typeKeys(QStringLiteral("Столица на"));
    press(Qt::Key_Tab);
    typeKeys(QStringLiteral("Столицата на"));
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), editor->table);
    typeKeys(QStringLiteral("София"));
    press(Qt::Key_Tab);
    typeKeys(QStringLiteral("България"));
    press(Qt::Key_Return);
    typeKeys(QStringLiteral("Атина"));
    press(Qt::Key_Tab);
    typeKeys(QStringLiteral("Гърция"));
    press(Qt::Key_Return);
    auto* model = editor->table->model();
    // Two questions and the empty row, as the table shows them.
    ASSERT_EQ(editor->table->verticalHeader()->count(), 3);
    EXPECT_EQ(model->headerData(0, Qt::Vertical).toString(), QStringLiteral("2"));
    EXPECT_EQ(model->index(1, 1).data().toString(), QStringLiteral("Гърция"));

    // Cells copied from a spreadsheet, one answer longer than a list takes, land at the
    // empty row; the check column and the count line tell of the long one.
    QGuiApplication::clipboard()->setText(QStringLiteral("Париж\tФранция\r\nРим\tИталия\r\n") +
                                          QString(31, QChar(u'А')) + QStringLiteral("\tНикоя\r\n"));
    ASSERT_EQ(editor->table->currentIndex(), model->index(2, 0));
    press(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(editor->table->verticalHeader()->count(), 6);
    EXPECT_EQ(model->index(3, 0).data().toString(), QStringLiteral("Рим"));
    EXPECT_TRUE(model->index(3, 2).data().toString().isEmpty());
    EXPECT_FALSE(model->index(4, 2).data().toString().isEmpty());
    EXPECT_EQ(editor->countLine->text(),
              QStringLiteral("Въпроси: 4. Редове с грешка (няма да бъдат запазени): 1."));

    // Kept: the message names the row left out; the file, in the teacher's folder, opens
    // in a spreadsheet and reads back as the list.
    told.clear();
    QTest::mouseClick(editor->keepButton, Qt::LeftButton);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].text.contains(QStringLiteral("ред 6: ")));
    EXPECT_TRUE(told[0].warning);
    EXPECT_TRUE(editor.isNull() || !editor->isVisible());
    const QString path = window::userListFolder() + QStringLiteral("/Европа.csv");
    const QByteArray kept = readAll(path);
    EXPECT_TRUE(kept.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(answersInFile(kept),
              (std::vector<std::u32string>{U"СОФИЯ", U"АТИНА", U"ПАРИЖ", U"РИМ"}));
    ASSERT_EQ(lists->table->rowCount(), 1);
    EXPECT_EQ(lists->table->item(0, 0)->text(), QStringLiteral("Европа"));
    EXPECT_EQ(lists->table->item(0, 1)->text(), QStringLiteral("4"));
    EXPECT_EQ(lists->table->item(0, 2)->text(), QStringLiteral("в моята папка"));
    QTest::mouseClick(lists->closeButton, Qt::LeftButton);
    EXPECT_FALSE(lists->isVisible());

    // Its menu item comes before "Списъци…", and it plays.
    ASSERT_EQ(form->Obrabotwa.size(), 7u);
    const auto items = form->menuBar()->actions();
    EXPECT_EQ(items.indexOf(form->Obrabotwa[6]), items.size() - 2);
    random.script.assign(8, 0.0f); // the choice's shuffle, then the first question
    form->Obrabotwa[6]->trigger();
    EXPECT_EQ(form->Label1[0]->text(), QStringLiteral("Столица на"));
    QTest::mouseClick(Buton(1), Qt::LeftButton);
    ASSERT_EQ(game->state().categoryIndex, 5);
    const QString answer =
        window::toQString(form->session().List1Item(10, game->state().wordIndex));
    ASSERT_TRUE(QStringList({"СОФИЯ", "АТИНА", "ПАРИЖ"}).contains(answer)) << answer.toStdString();
    EXPECT_EQ(stolica(0)->text(), QString(answer.size(), QLatin1Char('?')));
    typeAndGuess(answer.left(1).toLower());
    EXPECT_EQ(stolica(0)->text().at(0), answer.at(0));

    // Changed: the second question becomes another.
    lists = openListsByAltL();
    ASSERT_NE(lists, nullptr);
    QTest::mouseClick(lists->changeButton, Qt::LeftButton);
    editor = editorOf(lists);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->nameField->text(), QStringLiteral("Европа"));
    EXPECT_EQ(editor->hintField->text(), QStringLiteral("Столица на"));
    ASSERT_EQ(editor->table->model()->rowCount(), 5);
    editor->table->setFocus();
    press(Qt::Key_Down);
    typeKeys(QStringLiteral("Берлин"));
    press(Qt::Key_Tab);
    typeKeys(QStringLiteral("Германия"));
    press(Qt::Key_Return);
    told.clear();
    QTest::mouseClick(editor->keepButton, Qt::LeftButton);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_FALSE(told[0].warning);
    EXPECT_EQ(answersInFile(readAll(path)),
              (std::vector<std::u32string>{U"СОФИЯ", U"БЕРЛИН", U"ПАРИЖ", U"РИМ"}));
    EXPECT_EQ(form->Obrabotwa.size(), 7u); // the same list, in its place

    // Removed: asked first, then its file and its menu item are gone.
    ASSERT_EQ(lists->table->currentRow(), 0);
    QTest::mouseClick(lists->removeButton, Qt::LeftButton);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].contains(QStringLiteral("„Европа“")));
    EXPECT_TRUE(asked[0].contains(QStringLiteral("„Европа.csv“")));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(form->Obrabotwa[6]->isVisible());
    EXPECT_EQ(lists->table->rowCount(), 0);

    // A table pasted into the hint fills the header and the questions after it. Where
    // its folder cannot be made, the list is not written but plays for now.
    QTest::mouseClick(lists->newButton, Qt::LeftButton);
    editor = editorOf(lists);
    ASSERT_NE(editor, nullptr);
    typeKeys(QStringLiteral("Азия"));
    press(Qt::Key_Tab);
    QGuiApplication::clipboard()->setText(
        QStringLiteral("Столица на\tСтолицата на\r\nТокио\tЯпония\r\nПекин\tКитай\r\n"));
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor->hintField->text(), QStringLiteral("Столица на"));
    EXPECT_EQ(editor->prefixField->text(), QStringLiteral("Столицата на"));
    ASSERT_EQ(editor->table->verticalHeader()->count(), 3);
    EXPECT_EQ(editor->table->model()->index(1, 1).data().toString(), QStringLiteral("Китай"));
    ASSERT_TRUE(QDir(window::userListFolder()).removeRecursively());
    QFile blocker(window::userListFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    told.clear();
    QTest::mouseClick(editor->keepButton, Qt::LeftButton);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].warning);
    EXPECT_TRUE(told[0].text.contains(QStringLiteral("Списъкът не е записан като „Азия.csv“")));
    ASSERT_EQ(form->Obrabotwa.size(), 7u); // in the removed list's place
    EXPECT_TRUE(form->Obrabotwa[6]->isVisible());
    EXPECT_EQ(form->Obrabotwa[6]->text(), QStringLiteral("Азия"));
    ASSERT_EQ(lists->table->rowCount(), 1);
    EXPECT_EQ(lists->table->item(0, 2)->text(), QStringLiteral("отворен от файл, само за сега"));

    // A paste of more rows than a list holds is quick and says what it left out; closing
    // with changes asks first.
    QTest::mouseClick(lists->newButton, Qt::LeftButton);
    editor = editorOf(lists);
    ASSERT_NE(editor, nullptr);
    QString many;
    for (int i = 0; i <= 10000; ++i) {
        many += QStringLiteral("Дума%1\tВъпрос\n").arg(i);
    }
    QGuiApplication::clipboard()->setText(many);
    editor->table->setFocus();
    told.clear();
    press(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor->table->verticalHeader()->count(), 10001);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].text, QStringLiteral("Редове след 10000-ния въпрос не са поставени: 1."));
    yes = false;
    press(Qt::Key_Escape);
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[1].startsWith(QStringLiteral("Промените в списъка не са запазени.")));
    ASSERT_FALSE(editor.isNull());
    EXPECT_TRUE(editor->isVisible());
    yes = true;
    press(Qt::Key_Escape);
    EXPECT_TRUE(editor.isNull() || !editor->isVisible());
    EXPECT_EQ(form->Obrabotwa.size(), 7u);
}

} // namespace
