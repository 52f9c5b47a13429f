#pragma once

#include "Game.h"
#include "ListEditor.h"
#include "ListFile.h"
#include "WordLists.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace session {

/// Where a teacher's list comes from, and so where it is kept.
enum class ListHome {
    OwnFolder,    ///< the teacher's own folder of lists (desktop), made or changed there too
    SchoolFolder, ///< a folder of lists for every user of the computer (desktop)
    OpenedFile,   ///< a file opened for this start only
    Browser,      ///< kept by the browser for the page's address
    SavedPage,    ///< built into the saved page
};

/// A teacher's list as the lists dialog shows it.
struct ListEntry {
    int category = 0;          ///< its category; menu item category + 1
    std::u32string name;       ///< its menu caption
    std::size_t questions = 0; ///< questions it plays
    ListHome home = ListHome::OpenedFile;
    std::u32string fileName; ///< the name of the file it came from, or is kept as
};

/**
 * The teachers' lists that a window holds beside its ten built-in ones: category c of
 * them (c from 5) has its answers in List1(2c) and its clues in List1(2c + 1). Both
 * windows load list files, keep what the editor made and remove lists through this one
 * place; each then keeps or forgets the file in its own store.
 */
class TeacherLists {
public:
    /// What loading a file, or keeping the editor's list, did.
    struct Outcome {
        std::optional<int> category; ///< the category it became; none when refused
        bool replaced = false;       ///< it took the place of a list of the same name
        /// It replaced the category being played: the window chooses it again (menu
        /// item *category + 1), so that no word of the replaced list stays in play.
        bool chooseAgain = false;
        std::u32string message;      ///< what to tell the teacher
        std::size_t rowsLeftOut = 0; ///< rows of the file that broke a rule
        /// Of the editor's list only: the file to keep (its good rows) and its name.
        std::string file;
        std::u32string fileName;
        /// Of a changed list kept under a new name: the category it left, now off the
        /// menu, and the file of the window's store that it no longer lives in (none
        /// when that was not the teacher's own).
        std::optional<int> left;
        std::u32string forget;
    };

    /// Reads the file's `bytes` (see readListFile) and adds its list to `game` and here.
    /// Call between the game's handlers.
    Outcome load(game::Game& game, std::string_view bytes, std::u32string_view fileName,
                 std::size_t fileSize, ListHome home = ListHome::OpenedFile);
    Outcome load(game::Game& game, std::string_view bytes, std::u32string_view fileName) {
        return load(game, bytes, fileName, bytes.size());
    }
    /// Reads the editor's list as a file and adds it (load), kept as `home` (a list without
    /// a good name is not, and the outcome says why); the outcome
    /// holds the file of its good rows for the window to keep. A list that the editor
    /// changed, `changed` its category, takes that one's place, whatever its name now.
    Outcome keep(game::Game& game, const ListEditor& editor, ListHome home,
                 std::optional<int> changed = std::nullopt);
    /// The list of category `category` now lives in `home`, as `fileName`: a copy of a
    /// file opened for now was kept in the teacher's own folder.
    void moveHome(int category, ListHome home, std::u32string_view fileName);
    /// Takes category `category` off the menu and out of the lists; false for none of them.
    bool remove(game::Game& game, int category);

    /// The outcome for a file that could not be read or fetched at all.
    static Outcome unreadable(std::u32string_view fileName);
    /// The outcome for a file that came once the game had ended.
    static Outcome afterEnd(std::u32string_view fileName);

    /// The lists, in the menu's order.
    const std::vector<ListEntry>& entries() const { return entries_; }
    /// The list of category `category` in an editor, to be changed; none for no list.
    std::optional<ListEditor> editor(const game::Game& game, int category) const;

    /// True when List1(index) is one of these lists.
    static bool holds(int index) { return index >= firstList; }
    /// Item count of List1(index), index from 10; 0 for a list not loaded.
    int count(int index) const;
    /// Item `item` of List1(index), index from 10; empty when there is none.
    std::u32string_view item(int index, int item) const;

private:
    Outcome place(game::Game& game, wordlists::ListFileResult result, std::u32string_view fileName,
                  ListHome home);

    static constexpr int firstList = wordlists::listCount; ///< after the built-in lists
    std::vector<std::vector<std::u32string>> lists_;       ///< List1(10) on
    std::vector<ListEntry> entries_;                       ///< in the menu's order
};

} // namespace session
