#pragma once

#include "DecimalText.h"

namespace web {

/// The browser's own conversions of numbers (numbers.js), which are exact: the game's
/// numbers in the page are written and read by them, so that the C library's printf and
/// strtod stay out of the page.
const game::NumberConversions& browserConversions();

} // namespace web
