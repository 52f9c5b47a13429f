#pragma once

// A teacher's list written as a file: the table that spreadsheets open, and that the
// reader (ListFile.h) reads back as the same list.

#include "ListFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace wordlists {

/// One row of a table: its cells, in order.
using Cells = std::vector<std::u32string>;

/**
 * A table as a CSV file that LibreOffice Calc and Excel open as one: UTF-8 with a
 * byte-order mark, ";" between cells (the separator of spreadsheets where a comma is the
 * decimal sign, as in Bulgaria), CR LF after each row. A cell that holds a quote, a
 * separator, a line break, a control character or a blank at an end is quoted, its
 * quotes doubled. The first row is the header: the hint and the start of the questions,
 * always two cells, so that the reader finds ";" in it.
 */
std::string writeTable(const Cells& header, const std::vector<Cells>& rows);

/// `list` as a file (writeTable), its header and questions as the reader gave them.
std::string writeListFile(const TeacherList& list);

/// The name of the file that keeps a list named `name`: the name with the characters
/// that some file system refuses as "_", then ".csv". The reader names the list after it.
std::u32string listFileName(std::u32string_view name);

} // namespace wordlists
