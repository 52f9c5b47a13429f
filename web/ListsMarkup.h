#pragma once

// The teachers' lists dialog, its list editor and their questions as the page's HTML holds
// them, written with their texts (form/ListsDialog.h) when the page is built; the page's
// script (lists.js, editor.js) fills in the lists and the rows.

#include <string>

namespace web {

/// The dialogs, for the page's body.
std::string listsDialogsHtml();

} // namespace web
