#pragma once

namespace window {

/// Settings of the application that every window of the game relies on: its resources
/// and the same widget style everywhere.
/// Call after the QApplication is created and before any window.
void prepareApplication();

} // namespace window
