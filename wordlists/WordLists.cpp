#include "WordLists.h"

#include "EmbeddedLists.h"
#include "TextDecoding.h"

#include <array>
#include <stdexcept>
#include <string_view>

namespace wordlists {

namespace {

// Each line is an answer, a tab and a clue; lines without a tab are skipped
// (the build refuses such files, so none reaches here).
void addCategory(Lists& lists, std::size_t category, std::u32string_view text) {
    auto& answers = lists[2 * category];
    auto& clues = lists[2 * category + 1];
    while (!text.empty()) {
        const std::size_t end = text.find(U'\n');
        std::u32string_view line = text.substr(0, end);
        text = end == std::u32string_view::npos ? std::u32string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == U'\r') {
            line.remove_suffix(1);
        }
        const std::size_t tab = line.find(U'\t');
        if (tab == std::u32string_view::npos) {
            continue;
        }
        answers.emplace_back(line.substr(0, tab));
        clues.emplace_back(line.substr(tab + 1));
    }
}

Lists decodeAll() {
    Lists lists;
    for (std::size_t category = 0; category < embedded::files.size(); ++category) {
        const auto& file = embedded::files[category];
        const std::u32string text =
            decodeUtf8({reinterpret_cast<const char*>(file.data), file.size}).text;
        addCategory(lists, category, text);
    }
    return lists;
}

} // namespace

const Lists& all() {
    static const Lists lists = decodeAll();
    return lists;
}

const std::vector<std::u32string>& list(int index) {
    return all().at(static_cast<std::size_t>(index));
}

int itemCount(const Lists& lists, int index) {
    return static_cast<int>(lists.at(static_cast<std::size_t>(index)).size());
}

std::u32string_view itemAt(const Lists& lists, int index, int item) {
    const auto& list = lists.at(static_cast<std::size_t>(index));
    if (item < 0 || item >= static_cast<int>(list.size())) {
        return {};
    }
    return list[static_cast<std::size_t>(item)];
}

} // namespace wordlists
