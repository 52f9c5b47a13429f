#pragma once

namespace window {

/// Settings of the application that every window of the game relies on: the same
/// widget style everywhere, and a serif with Cyrillic where Times New Roman is missing.
/// Call after the QApplication is created and before any window.
void prepareApplication();

} // namespace window
