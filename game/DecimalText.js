// The browser's own decimal conversions for DecimalText.cpp in the WebAssembly build,
// linked with emscripten's --js-library. Texts cross as ASCII bytes in the module's memory.

/* global HEAPU8, UTF8ToString, gameWriteAscii */

mergeInto(LibraryManager.library, {
  $gameWriteAscii: function (text, buffer) {
    for (var i = 0; i < text.length; ++i) {
      HEAPU8[buffer + i] = text.charCodeAt(i);
    }
    HEAPU8[buffer + text.length] = 0;
  },

  // The fewest digits that read back as `value` (positive, finite), the nearest to it
  // where several do, as "d.ddde+x": at most 24 bytes with the NUL.
  game_shortest_exponential__deps: ["$gameWriteAscii"],
  game_shortest_exponential: function (value, buffer) {
    gameWriteAscii(value.toExponential(), buffer);
  },

  // Every digit of `value`, a whole number (positive, finite): at most 310 bytes with the NUL.
  game_whole_digits__deps: ["$gameWriteAscii"],
  game_whole_digits: function (value, buffer) {
    gameWriteAscii(BigInt(value).toString(), buffer);
  },

  // The double nearest to the text "[-]digitse[-]digits" of `length` bytes.
  game_read_number: function (text, length) {
    return Number(UTF8ToString(text, length));
  },
});
