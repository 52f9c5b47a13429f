// The page's half of the binding: the functions that the module (WebForm.cpp, main.cpp)
// calls to draw the window and bind its events, linked with emscripten's --js-library.
//
// The contract between the module and the page:
// - Elements are addressed by a handle, a number that the module gives each element when
//   it binds it (geo_bind), from its id in the page's HTML (WindowMarkup.h).
// - Texts from the module come as a pointer to UTF-32 code points in the module's memory
//   and their count; the page copies them at once and keeps no pointer. Ids come as a
//   pointer to a NUL-terminated UTF-8 string.
// - Texts to the module go into a buffer that the module owns and hands out
//   (Text_Buffer, List_Buffer); it is valid until the next call that hands one out.
// - Flags are 0 or 1.
//
// What the page calls in the module (main.cpp), each with plain numbers:
//   Buton_Click(index), Obrabotwa_Click(index), Timer1_Timer(): the window's events.
//   Letter_Key(key): letter key `key` clicked; Letter_Enter(): Enter in the letter box.
//   Text_Buffer(count) -> pointer: room for `count` code points.
//   LetterBox_Keep(beforeCount, replacesAll, proposedCount) -> count: what the letter box
//     keeps, from the buffer holding the text before the edit, then the proposed one; the
//     kept text is written at the buffer's start.
// The teachers' lists (ListsExports.cpp, EditorExports.cpp). A text out is a pointer to
// two 32-bit numbers, its code points' pointer and count, valid until the next text out.
// A home is a number of session::ListHome: 2 a file opened for now, 3 kept by the browser,
// 4 built into the page.
//   List_Buffer(size) -> pointer: room for a list file's bytes, then its name in UTF-8.
//   List_MostBytes() -> the largest file that is read whole.
//   List_Load(size, fileSize, home) -> pointer to the outcome (below) of the file in the
//     buffer, which comes from `home`;
//   List_Unreadable() -> the same, for a file that could not be read.
//   The outcome, valid until the next one: thirteen 32-bit numbers, the category (-1:
//   none), the rows left out, the message's pointer and count, the menu caption's pointer
//   and count; of the editor's list kept, the file to keep (its bytes' pointer and count)
//   and its name (pointer, count), the name of a kept file that it supersedes (pointer,
//   count; none: 0) and the category that it left (-1: none).
//   Lists_Count() -> the number of lists, read afresh; Lists_Entry(i) -> pointer to list i
//     of them in the menu's order: nine 32-bit numbers, its category, its questions, its
//     home, then its name, its home as the dialog says it and its file's name, each a
//     pointer and a count.
//   Lists_RemoveQuestion(category) -> text out: what to ask before it goes.
//   Lists_Remove(category) -> 1 when list `category` was taken off the menu.
//   Lists_Moved(category, home, count): the list is now kept in `home`, as the file named
//     by the text buffer's first `count` code points.
//   Lists_StorageRefused() -> text out: what to tell once where the browser keeps nothing.
// The list editor, one held by the module; rows are a spreadsheet's, row 1 the header (its
// columns the hint and the start of the questions), questions from row 2, and always an
// empty last row; columns 0 the answer, 1 the clue.
//   Editor_New(): a new list; Editor_Open(category) -> 1 when list `category` is in it.
//   Editor_SetName(count), Editor_SetCell(row, column, count): from the text buffer.
//   Editor_Name(), Editor_NameProblem(), Editor_Cell(row, column), Editor_RowProblem(row),
//     Editor_CountLine() -> text out (a problem: empty for none).
//   Editor_LastRow() -> the empty last row; Editor_Changed() -> 1 when not kept as it is.
//   Editor_Paste(row, column, count) -> pointer to three 32-bit numbers: the last row
//     filled, then what to tell of what the paste left out (pointer, count; none: 0), the
//     clipboard's text being the text buffer's first `count` code points.
//   Editor_Keep(changed) -> pointer to the outcome: the list kept by the browser, in the
//     place of list `changed` (-1: a new one).

/* global HEAPU32, UTF8ToString, _Buton_Click, _Letter_Key, _Obrabotwa_Click,
   geoDisableWindow, geoElements, geoText,
   geoAddMenuItem, geoAnnounceBanner, geoBindEnter, geoFitMenu, geoFocus, geoKeepOne,
   geoLoadStartLists, geoMenuBar, geoSetValue, geoShowEnded */

mergeInto(LibraryManager.library, {
  // The window's elements by handle.
  $geoElements: [],

  $geoText: function (ptr, length) {
    var text = "";
    var first = ptr >> 2;
    for (var i = 0; i < length; i += 4096) {
      var part = Array.from(HEAPU32.subarray(first + i, first + Math.min(length, i + 4096)),
                            function (c) { return c > 0x10ffff ? 0xfffd : c; });
      text += String.fromCodePoint.apply(null, part);
    }
    return text;
  },

  // --- Binding, once at start --------------------------------------------------------------

  geo_bind__deps: ["$geoElements"],
  geo_bind: function (handle, id) {
    geoElements[handle] = document.getElementById(UTF8ToString(id));
  },

  geo_bind_button__deps: ["$geoElements"],
  geo_bind_button: function (handle, index) {
    geoElements[handle].addEventListener("click", function () { _Buton_Click(index); });
  },

  geo_bind_letter_key__deps: ["$geoElements"],
  geo_bind_letter_key: function (handle, key) {
    geoElements[handle].addEventListener("click", function () { _Letter_Key(key); });
  },

  // The letter box keeps one character, whatever is typed, pasted or composed into it.
  geo_bind_letter_box__deps: ["$geoElements"],
  geo_bind_letter_box: function (handle) {
    geoKeepOne(geoElements[handle]);
    geoBindEnter(geoElements[handle]);
  },

  geo_bind_menu_item: function (index, id) {
    document.getElementById(UTF8ToString(id))
      .addEventListener("click", function () { _Obrabotwa_Click(index); });
  },

  geo_bind_menu_bar: function () {
    geoMenuBar(document.getElementById("menubar"));
  },

  // Screen readers read the caption of `label` with the field `field`.
  geo_describe_by__deps: ["$geoElements"],
  geo_describe_by: function (field, label) {
    geoElements[field].setAttribute("aria-describedby", geoElements[label].id);
  },

  // Alt and the letter `key` (a code point of A to Z) anywhere on the page click the button.
  geo_bind_alt_key__deps: ["$geoElements", "$geoText"],
  geo_bind_alt_key: function (button, key, title, length) {
    var letter = String.fromCharCode(key);
    geoElements[button].title = geoText(title, length);
    document.addEventListener("keydown", function (event) {
      if (event.altKey && !event.ctrlKey && !event.metaKey &&
          (event.code === "Key" + letter || event.key.toUpperCase() === letter)) {
        event.preventDefault();
        if (!geoElements[button].disabled) {
          geoElements[button].click();
        }
      }
    });
  },

  geo_load_start_lists: function () {
    geoLoadStartLists();
  },

  // --- Texts and states --------------------------------------------------------------------

  geo_value_length__deps: ["$geoElements"],
  geo_value_length: function (handle) {
    return Array.from(geoElements[handle].value).length;
  },

  // Copies the field's text, `length` code points (geo_value_length), into `buffer`.
  geo_copy_value__deps: ["$geoElements"],
  geo_copy_value: function (handle, buffer, length) {
    var codes = Array.from(geoElements[handle].value, function (c) { return c.codePointAt(0); });
    HEAPU32.set(codes.slice(0, length), buffer >> 2);
  },

  geo_set_value__deps: ["$geoElements", "$geoText"],
  geo_set_value: function (handle, text, length, showStart) {
    geoSetValue(geoElements[handle], geoText(text, length), showStart);
  },

  geo_set_caption__deps: ["$geoElements", "$geoText"],
  geo_set_caption: function (handle, text, length) {
    geoElements[handle].textContent = geoText(text, length);
  },

  geo_set_hidden__deps: ["$geoElements"],
  geo_set_hidden: function (handle, hidden) {
    geoElements[handle].hidden = !!hidden;
  },

  geo_set_disabled__deps: ["$geoElements"],
  geo_set_disabled: function (handle, disabled) {
    geoElements[handle].disabled = !!disabled;
  },

  geo_set_used__deps: ["$geoElements"],
  geo_set_used: function (handle, used) {
    geoElements[handle].classList.toggle("used", !!used);
  },

  geo_announce_banner__deps: ["$geoElements"],
  geo_announce_banner: function (handle) {
    geoAnnounceBanner(geoElements[handle]);
  },

  geo_focus__deps: ["$geoElements"],
  geo_focus: function (handle) {
    geoFocus(geoElements[handle]);
  },

  // Menu item `index` with its id and caption: the item is made after the others when new.
  geo_show_menu_item__deps: ["$geoText"],
  geo_show_menu_item: function (index, id, caption, length) {
    var itemId = UTF8ToString(id);
    var item = document.getElementById(itemId);
    if (!item) {
      item = document.createElement("button");
      item.type = "button";
      item.id = itemId;
      item.setAttribute("role", "menuitem");
      item.addEventListener("click", function () { _Obrabotwa_Click(index); });
      item.textContent = geoText(caption, length);
      geoAddMenuItem(item);
    } else {
      item.textContent = geoText(caption, length);
      item.hidden = false;
      geoFitMenu();
    }
  },

  // A removed list's item: hidden where it stands, in the bar or behind the overflow.
  geo_hide_menu_item: function (id) {
    var item = document.getElementById(UTF8ToString(id));
    if (item) {
      item.hidden = true;
      geoFitMenu();
    }
  },

  // --- The end -----------------------------------------------------------------------------

  $geoDisableWindow: function () {
    var ended = document.getElementById("ended");
    for (var control of document.getElementById("window")
      .querySelectorAll("button, input, textarea")) {
      if (!ended.contains(control)) {
        control.disabled = true;
      }
    }
  },

  // The game ended: every control of the window is disabled and the end message shows.
  geo_end__deps: ["$geoDisableWindow"],
  geo_end: function () {
    geoDisableWindow();
    geoShowEnded();
  },

  // A run-time error ended the game: its dialog shows, then the end message.
  geo_end_with_error__deps: ["$geoDisableWindow", "$geoText"],
  geo_end_with_error: function (title, titleLength, text, length) {
    geoDisableWindow();
    var dialog = document.getElementById("runtime-error");
    document.getElementById("runtime-error-title").textContent = geoText(title, titleLength);
    document.getElementById("runtime-error-text").textContent = geoText(text, length);
    dialog.addEventListener("close", geoShowEnded);
    dialog.showModal();
  },
});
