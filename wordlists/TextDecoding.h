#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wordlists {

/// Text decoded from bytes, and where it went wrong.
struct DecodedText {
    std::u32string text;
    /// Number of byte sequences that were not valid in the encoding; each became one
    /// replacement character U+FFFD.
    std::size_t malformed = 0;
};

/// UTF-8 without a byte-order mark. Overlong forms, surrogates and values past
/// U+10FFFF are malformed.
DecodedText decodeUtf8(std::string_view bytes);

/// UTF-16 in little- or big-endian order, without its byte-order mark. An unpaired
/// surrogate and a last odd byte are malformed.
DecodedText decodeUtf16(std::string_view bytes, bool bigEndian);

/// Windows-1251, the older Bulgarian code page; its one unassigned byte (0x98) is
/// malformed.
DecodedText decodeWindows1251(std::string_view bytes);

} // namespace wordlists
