#include "TeacherLists.h"

#include "ListWriter.h"
#include "ListsDialog.h"

#include <algorithm>

namespace session {

static_assert(form::listsDialog::homes.size() == static_cast<std::size_t>(ListHome::SavedPage) + 1,
              "a text for every home of a list");

namespace {

// The homes whose files the window writes and deletes.
bool ownStore(ListHome home) {
    return home == ListHome::OwnFolder || home == ListHome::Browser;
}

} // namespace

TeacherLists::Outcome TeacherLists::load(game::Game& game, std::string_view bytes,
                                         std::u32string_view fileName, std::size_t fileSize,
                                         ListHome home) {
    return place(game, wordlists::readListFile(bytes, fileName, fileSize), fileName, home);
}

TeacherLists::Outcome TeacherLists::place(game::Game& game, wordlists::ListFileResult result,
                                          std::u32string_view fileName, ListHome home) {
    Outcome outcome;
    if (result.list) {
        wordlists::TeacherList& list = *result.list;
        const auto placed = game.addCategory({list.name, list.cluePrefix, list.hintCaption});
        if (!placed) {
            result.refusal = wordlists::FileFault::TooManyLists;
        } else {
            const auto first = static_cast<std::size_t>(2 * placed->category - firstList);
            if (lists_.size() < first + 2) {
                lists_.resize(first + 2);
            }
            // The menu's caption, which sets a list apart from a built-in namesake.
            list.name = game.categoryTable()[placed->category].menuCaption;
            lists_[first] = list.answers;
            lists_[first + 1] = list.clues;
            outcome.category = placed->category;
            outcome.replaced = placed->replaced;
            outcome.chooseAgain =
                placed->replaced && game.state().categoryIndex == placed->category;
            // In the menu's order: in the place of the one it replaced, or where it goes.
            const auto at = std::find_if(entries_.begin(), entries_.end(), [&](const ListEntry& e) {
                return e.category >= placed->category;
            });
            ListEntry entry{placed->category, list.name, list.answers.size(), home,
                            std::u32string(fileName)};
            if (at != entries_.end() && at->category == placed->category) {
                *at = std::move(entry);
            } else {
                entries_.insert(at, std::move(entry));
            }
        }
    }
    if (result.refusal) {
        result.list.reset();
    }
    outcome.rowsLeftOut = result.problemCount;
    outcome.message = describe(result, fileName, outcome.replaced);
    if (result.list) {
        outcome.file = wordlists::writeListFile(*result.list);
    }
    return outcome;
}

TeacherLists::Outcome TeacherLists::keep(game::Game& game, const ListEditor& editor, ListHome home,
                                         std::optional<int> changed) {
    const std::u32string fileName = editor.fileName();
    if (const std::u32string problem = editor.nameProblem(); !problem.empty()) {
        Outcome refused;
        refused.message = U"Списъкът не е запазен: " + problem + U".";
        return refused;
    }
    wordlists::ListFileResult result;
    if (const auto fault = editor.headerFault()) {
        // An empty header is no row to the reader, which would take the first question's.
        result.refusal = *fault;
    } else {
        result = wordlists::readListFile(editor.file(), fileName);
    }
    const auto old = std::find_if(entries_.begin(), entries_.end(), [&](const ListEntry& entry) {
        return changed && entry.category == *changed;
    });
    const bool wasChosen = old != entries_.end() && game.state().categoryIndex == old->category;
    Outcome left;
    if (result.list && old != entries_.end()) {
        // The teacher's own file of the list, under another name, is superseded.
        if (ownStore(old->home) && old->fileName != fileName) {
            left.forget = old->fileName;
        }
        // Renamed: the list leaves its old place, and takes a new one under its new name.
        if (wordlists::listName(old->fileName) != result.list->name) {
            left.left = old->category;
            remove(game, old->category);
        }
    }
    Outcome outcome = place(game, std::move(result), fileName, home);
    if (outcome.category) {
        outcome.fileName = fileName;
        outcome.left = left.left;
        outcome.forget = std::move(left.forget);
        outcome.chooseAgain = outcome.chooseAgain || wasChosen;
    } else {
        outcome.file.clear();
    }
    return outcome;
}

void TeacherLists::moveHome(int category, ListHome home, std::u32string_view fileName) {
    for (ListEntry& entry : entries_) {
        if (entry.category == category) {
            entry.home = home;
            entry.fileName = fileName;
        }
    }
}

bool TeacherLists::remove(game::Game& game, int category) {
    const auto gone =
        std::erase_if(entries_, [&](const ListEntry& entry) { return entry.category == category; });
    if (gone == 0 || !game.removeCategory(category)) {
        return false;
    }
    const auto first = static_cast<std::size_t>(2 * category - firstList);
    lists_[first].clear();
    lists_[first + 1].clear();
    return true;
}

TeacherLists::Outcome TeacherLists::unreadable(std::u32string_view fileName) {
    wordlists::ListFileResult result;
    result.refusal = wordlists::FileFault::Unreadable;
    Outcome outcome;
    outcome.message = describe(result, fileName);
    return outcome;
}

TeacherLists::Outcome TeacherLists::afterEnd(std::u32string_view fileName) {
    Outcome outcome;
    outcome.message = wordlists::describeAfterEnd(fileName);
    return outcome;
}

std::optional<ListEditor> TeacherLists::editor(const game::Game& game, int category) const {
    const auto entry = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const ListEntry& e) { return e.category == category; });
    if (entry == entries_.end()) {
        return std::nullopt;
    }
    const game::Category shown = game.categoryTable()[category];
    wordlists::TeacherList list;
    list.name = wordlists::listName(entry->fileName);
    list.hintCaption = shown.hintCaption;
    list.cluePrefix = shown.cluePrefix;
    const auto first = static_cast<std::size_t>(2 * category - firstList);
    list.answers = lists_[first];
    list.clues = lists_[first + 1];
    return ListEditor(list);
}

int TeacherLists::count(int index) const {
    const auto at = static_cast<std::size_t>(index - firstList);
    return index >= firstList && at < lists_.size() ? static_cast<int>(lists_[at].size()) : 0;
}

std::u32string_view TeacherLists::item(int index, int item) const {
    const auto at = static_cast<std::size_t>(index - firstList);
    if (index < firstList || at >= lists_.size() || item < 0 ||
        item >= static_cast<int>(lists_[at].size())) {
        return {};
    }
    return lists_[at][static_cast<std::size_t>(item)];
}

} // namespace session
