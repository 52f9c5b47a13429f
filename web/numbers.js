// The browser's own conversions of numbers, for BrowserConversions.cpp, linked with
// emscripten's --js-library. Texts cross as ASCII bytes in the module's memory.

/* global HEAPU8, UTF8ToString, geoWriteAscii */

mergeInto(LibraryManager.library, {
  $geoWriteAscii: function (text, buffer) {
    for (var i = 0; i < text.length; ++i) {
      HEAPU8[buffer + i] = text.charCodeAt(i);
    }
    HEAPU8[buffer + text.length] = 0;
  },

  // The fewest digits that read back as `value` (positive, finite), the nearest to it
  // where several do, as "d.ddde+x": at most 24 bytes with the NUL.
  geo_shortest_exponential__deps: ["$geoWriteAscii"],
  geo_shortest_exponential: function (value, buffer) {
    geoWriteAscii(value.toExponential(), buffer);
  },

  // Every digit of `value`, a whole number (positive, finite): at most 310 bytes with the NUL.
  geo_whole_digits__deps: ["$geoWriteAscii"],
  geo_whole_digits: function (value, buffer) {
    geoWriteAscii(BigInt(value).toString(), buffer);
  },

  // The double nearest to the text "[-]digitse[-]digits" of `length` bytes.
  geo_read_number: function (text, length) {
    return Number(UTF8ToString(text, length));
  },
});
