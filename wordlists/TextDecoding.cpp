#include "TextDecoding.h"

#include <array>
#include <cstddef>

namespace wordlists {

namespace {

constexpr char32_t replacementChar = U'\uFFFD';

// Windows-1251 from 0x80 to 0xBF; 0xC0 to 0xFF are А to я in order, below 0x80 ASCII.
constexpr std::array<char32_t, 64> windows1251High{
    U'\u0402',       U'\u0403', U'\u201A', U'\u0453', U'\u201E', U'\u2026', U'\u2020', U'\u2021',
    U'\u20AC',       U'\u2030', U'\u0409', U'\u2039', U'\u040A', U'\u040C', U'\u040B', U'\u040F',
    U'\u0452',       U'\u2018', U'\u2019', U'\u201C', U'\u201D', U'\u2022', U'\u2013', U'\u2014',
    replacementChar, U'\u2122', U'\u0459', U'\u203A', U'\u045A', U'\u045C', U'\u045B', U'\u045F',
    U'\u00A0',       U'\u040E', U'\u045E', U'\u0408', U'\u00A4', U'\u0490', U'\u00A6', U'\u00A7',
    U'\u0401',       U'\u00A9', U'\u0404', U'\u00AB', U'\u00AC', U'\u00AD', U'\u00AE', U'\u0407',
    U'\u00B0',       U'\u00B1', U'\u0406', U'\u0456', U'\u0491', U'\u00B5', U'\u00B6', U'\u00B7',
    U'\u0451',       U'\u2116', U'\u0454', U'\u00BB', U'\u0458', U'\u0405', U'\u0455', U'\u0457',
};

} // namespace

DecodedText decodeUtf8(std::string_view bytes) {
    DecodedText result;
    // Never more characters than bytes: they are written in place, then the text is cut to
    // their number.
    std::u32string& text = result.text;
    text.resize(bytes.size());
    char32_t* out = text.data();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = in + bytes.size();
    while (in < end) {
        const unsigned char lead = *in;
        if (lead < 0x80) {
            *out++ = lead;
            ++in;
            continue;
        }
        std::ptrdiff_t length = 0;
        char32_t c = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            c = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            c = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            c = lead & 0x07u;
        }
        bool valid = length > 0 && end - in >= length;
        for (std::ptrdiff_t k = 1; valid && k < length; ++k) {
            valid = (in[k] & 0xC0u) == 0x80u;
            c = (c << 6) | (in[k] & 0x3Fu);
        }
        // Reject overlong forms, surrogates and values past U+10FFFF.
        if (valid && ((length == 3 && c < 0x800) || (length == 4 && c < 0x10000) ||
                      (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)) {
            valid = false;
        }
        if (valid) {
            *out++ = c;
            in += length;
        } else {
            *out++ = replacementChar;
            ++result.malformed;
            ++in;
        }
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
    return result;
}

DecodedText decodeUtf16(std::string_view bytes, bool bigEndian) {
    DecodedText result;
    result.text.reserve(bytes.size() / 2);
    const auto unit = [&](std::size_t at) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return bigEndian ? char32_t(first << 8 | second) : char32_t(second << 8 | first);
    };
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t c = unit(2 * i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units) {
            const char32_t low = unit(2 * (i + 1));
            if (low >= 0xDC00 && low <= 0xDFFF) {
                result.text += 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
                continue;
            }
        }
        if (c >= 0xD800 && c <= 0xDFFF) {
            result.text += replacementChar;
            ++result.malformed;
        } else {
            result.text += c;
        }
    }
    if (bytes.size() % 2 != 0) {
        result.text += replacementChar;
        ++result.malformed;
    }
    return result;
}

DecodedText decodeWindows1251(std::string_view bytes) {
    DecodedText result;
    result.text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        char32_t c = b;
        if (b >= 0xC0) {
            c = U'\u0410' + (b - 0xC0u);
        } else if (b >= 0x80) {
            c = windows1251High[b - 0x80u];
            result.malformed += c == replacementChar ? 1 : 0;
        }
        result.text += c;
    }
    return result;
}

} // namespace wordlists
