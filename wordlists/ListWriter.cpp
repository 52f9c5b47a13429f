#include "ListWriter.h"

#include <algorithm>

namespace wordlists {

namespace {

constexpr char32_t separator = U';';

bool needsQuotes(std::u32string_view cell) {
    if (cell.empty()) {
        return false;
    }
    const auto special = [](char32_t c) {
        return c == U'"' || c == U';' || c == U',' || c < 0x20 || c == 0x7F;
    };
    return std::any_of(cell.begin(), cell.end(), special) || cell.front() == U' ' ||
           cell.back() == U' ';
}

void appendCell(std::u32string& text, std::u32string_view cell) {
    if (!needsQuotes(cell)) {
        text += cell;
        return;
    }
    text += U'"';
    for (const char32_t c : cell) {
        text += c;
        if (c == U'"') {
            text += U'"';
        }
    }
    text += U'"';
}

void appendRow(std::u32string& text, const Cells& cells, std::size_t least) {
    for (std::size_t k = 0; k < std::max(cells.size(), least); ++k) {
        if (k > 0) {
            text += separator;
        }
        if (k < cells.size()) {
            appendCell(text, cells[k]);
        }
    }
    text += U"\r\n";
}

} // namespace

std::string writeTable(const Cells& header, const std::vector<Cells>& rows) {
    std::u32string text;
    appendRow(text, header, 2);
    for (const Cells& row : rows) {
        appendRow(text, row, 1);
    }
    return "\xEF\xBB\xBF" + toUtf8(text);
}

std::string writeListFile(const TeacherList& list) {
    // The reader ends the start of the questions with a blank; the file holds it without.
    std::u32string_view prefix = list.cluePrefix;
    while (!prefix.empty() && prefix.back() == U' ') {
        prefix.remove_suffix(1);
    }
    std::vector<Cells> rows;
    rows.reserve(list.answers.size());
    for (std::size_t i = 0; i < list.answers.size() && i < list.clues.size(); ++i) {
        rows.push_back({list.answers[i], list.clues[i]});
    }
    return writeTable({list.hintCaption, std::u32string(prefix)}, rows);
}

std::u32string listFileName(std::u32string_view name) {
    std::u32string safe(name);
    for (char32_t& c : safe) {
        if (std::u32string_view(U"\\/:*?\"<>|").find(c) != std::u32string_view::npos) {
            c = U'_';
        }
    }
    std::u32string file = listName(safe + U".csv");
    // Not hidden, and no dot at the end, which some systems drop.
    if (file.front() == U'.') {
        file.front() = U'_';
    }
    if (file.back() == U'.') {
        file.back() = U'_';
    }
    return file + U".csv";
}

} // namespace wordlists
