// Pasting a spreadsheet's 10,000 rows into the lists editor, every row then read back
// with its check as a window draws it, and keeping the list (read as a file, written as
// the file to keep): median of 11 runs each, in milliseconds.

#include "ListEditor.h"
#include "ListFile.h"
#include "ListWriter.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main() {
    std::u32string clipboard;
    for (int row = 0; row < 10000; ++row) {
        const std::u32string n = wordlists::fromUtf8(std::to_string(row));
        clipboard += U"Връх номер " + n + U"\t\"Планината на реда " + n + U", западна\"\r\n";
    }
    std::vector<double> pastes;
    std::vector<double> keeps;
    std::size_t shown = 0;
    std::size_t kept = 0;
    for (int run = 0; run < 11; ++run) {
        using Clock = std::chrono::steady_clock;
        const auto start = Clock::now();
        session::ListEditor editor;
        editor.setName(U"Върхове");
        editor.setCell(session::ListEditor::headerRow, 0, U"Връх");
        editor.paste(session::ListEditor::firstQuestionRow, 0, clipboard);
        shown = 0;
        for (int row = 1; row <= editor.lastRow(); ++row) {
            shown += editor.cell(row, 0).size() + editor.cell(row, 1).size() +
                     editor.rowProblem(row).size();
        }
        const auto pasted = Clock::now();
        const auto read = wordlists::readListFile(editor.file(), editor.fileName());
        kept = read.list ? wordlists::writeListFile(*read.list).size() : 0;
        const auto done = Clock::now();
        pastes.push_back(std::chrono::duration<double, std::milli>(pasted - start).count());
        keeps.push_back(std::chrono::duration<double, std::milli>(done - pasted).count());
    }
    std::printf("pasted 10000 rows, %zu characters shown: median %.2f ms; kept as %zu bytes: "
                "median %.2f ms\n",
                shown, median(pastes), kept, median(keeps));
    return kept > 0 ? 0 : 1;
}
