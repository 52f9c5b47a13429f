#include "WordLists.h"

#include "EmbeddedLists.h"

#include <array>
#include <stdexcept>
#include <string_view>

namespace wordlists {

namespace {

constexpr char32_t replacementChar = U'\uFFFD';

// Decodes UTF-8; a malformed sequence becomes one replacement character.
std::u32string decodeUtf8(std::string_view bytes) {
    std::u32string text;
    text.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int length = 0;
        char32_t c = 0;
        if (lead < 0x80) {
            length = 1;
            c = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            c = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            c = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            c = lead & 0x07u;
        }
        bool valid = length > 0 && i + static_cast<std::size_t>(length) <= bytes.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0u) == 0x80u;
            c = (c << 6) | (next & 0x3Fu);
        }
        // Reject overlong forms, surrogates and values past U+10FFFF.
        if (valid && ((length == 3 && c < 0x800) || (length == 4 && c < 0x10000) ||
                      (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)) {
            valid = false;
        }
        if (valid) {
            text += c;
            i += static_cast<std::size_t>(length);
        } else {
            text += replacementChar;
            ++i;
        }
    }
    return text;
}

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
            decodeUtf8({reinterpret_cast<const char*>(file.data), file.size});
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
