#pragma once

#include <QString>

namespace window {

/// The rules shown in the large box at start-up.
extern const QString rulesText;

} // namespace window
