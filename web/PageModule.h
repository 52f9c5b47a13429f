#pragma once

// What the module's exports to the page share (main.cpp, ListsExports.cpp,
// EditorExports.cpp): the window, once made, and the texts that the page hands in.

#include "WebForm.h"

#include <string_view>

namespace web {

/// The page's window; null until main has made it.
WebForm* pageForm();

/// The first `count` code points that the page wrote into the text buffer (Text_Buffer),
/// no more than it holds.
std::u32string_view handedText(int count);

} // namespace web
