#pragma once

// The teachers' lists dialog and its list editor, as both windows show them: every text,
// the shortcut and the editor's columns, once.

#include "Text.h"

#include <array>
#include <string_view>

namespace form::listsDialog {

using game::TextView;

/// The menu item after the categories and the teachers' lists that opens the dialog, and
/// its shortcut, which neither desktops nor browsers take for themselves. Its element
/// name sets it apart from the game's own items Obrabotwa(i).
inline constexpr TextView menuCaption = U"Списъци…";
inline constexpr std::string_view menuElement = "Spisaci";
inline constexpr char shortcutLetter = 'L'; ///< with Alt
inline constexpr TextView shortcutText = U"Alt+L";

inline constexpr TextView title = U"Списъци на учителя";
/// Where there are no teachers' lists yet.
inline constexpr TextView noLists = U"Още няма списъци. Направете нов, отворете файл (CSV или "
                                    U"текст с табулации) или пуснете файл върху прозореца.";
/// The table of lists: its columns.
inline constexpr std::array<TextView, 3> listColumns{U"Списък", U"Въпроси", U"Къде е"};
/// Where a list lives, in the order of session::ListHome.
inline constexpr std::array<TextView, 5> homes{U"в моята папка", U"в папката на училището",
                                               U"отворен от файл, само за сега",
                                               U"пазен от браузъра", U"вграден в страницата"};

inline constexpr TextView newButton = U"Нов списък…";
inline constexpr TextView changeButton = U"Промени…";
inline constexpr TextView openButton = U"Отвори файл…";
inline constexpr TextView removeButton = U"Премахни";
inline constexpr TextView savePageButton = U"Запази като страница";
inline constexpr TextView closeButton = U"Затвори";

/// Removing: %1 the list's name, %2 its file's name.
inline constexpr TextView removeQuestion = U"Да се премахне ли списъкът %1?";
inline constexpr TextView removeDeletesFile = U"Файлът %2 ще бъде изтрит от папката ви.";
inline constexpr TextView removeForgets = U"Браузърът ще го забрави.";
inline constexpr TextView removeForNow = U"Той ще изчезне от менюто; файлът, от който е "
                                         U"отворен, остава непроменен.";
inline constexpr TextView removeYes = U"Премахни";
inline constexpr TextView removeNo = U"Отказ";
inline constexpr TextView schoolListStays =
    U"Списъкът %1 е в папката на училището и не може да бъде премахнат оттук. Можете да го "
    U"промените: промененото копие ще бъде ваше.";
/// %1 the file, %2 why.
inline constexpr TextView removeFailed = U"Файлът %1 не е изтрит: %2.";

/// The editor.
inline constexpr TextView editorTitle = U"Списък";
inline constexpr TextView nameLabel = U"Име на списъка (в менюто)";
/// The header's two cells, as the first row of a file holds them.
inline constexpr TextView hintLabel = U"Подсказка (над думата)";
inline constexpr TextView prefixLabel = U"Начало на всеки въпрос";
/// The table of questions: the row's number as a spreadsheet's, then these.
inline constexpr std::array<TextView, 3> rowColumns{U"Отговор", U"Въпрос", U"Проверка"};
inline constexpr int answerColumn = 0;
inline constexpr int clueColumn = 1;
inline constexpr int checkColumn = 2;
/// Under the table: %1 questions, %2 rows with something wrong (left out when kept).
inline constexpr TextView countLine = U"Въпроси: %1. Редове с грешка (няма да бъдат "
                                      U"запазени): %2.";
inline constexpr TextView pasteHint = U"Поставете клетки от електронна таблица, таблица от "
                                      U"текстов редактор или редове с табулации, „;“ или „,“.";
inline constexpr TextView keepButton = U"Запази";
inline constexpr TextView cancelButton = U"Отказ";
/// A paste that did not fit: %1 the rows left out.
inline constexpr TextView pasteTooLarge = U"Текстът е по-голям от 2 MB и не е поставен.";
inline constexpr TextView pasteRowsBeyond = U"Редове след 10000-ния въпрос не са поставени: %1.";
/// Closing with changes.
inline constexpr TextView discardQuestion = U"Промените в списъка не са запазени. Да се "
                                            U"затвори ли редакторът без тях?";
inline constexpr TextView discardYes = U"Затвори без запазване";
inline constexpr TextView discardNo = U"Назад";

/// Keeping failed (desktop): %1 the file, %2 the folder, %3 why.
inline constexpr TextView keepFailed = U"Списъкът не е записан като %1 в папката %2: %3. Той "
                                       U"остава в играта до затварянето й.";
/// The browser keeps nothing for this page (a private window, a full storage); told once.
inline constexpr TextView storageRefused =
    U"Браузърът не пази списъци за тази страница (частен прозорец или пълно хранилище). "
    U"Списъците играят сега, но при следващото отваряне ще трябва да ги заредите отново.";

} // namespace form::listsDialog
