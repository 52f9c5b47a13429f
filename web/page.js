// The page's helpers for the functions that the module calls (library.js), which draw the
// window and bind its events; the game itself, and what the window does with an event, are
// all in the module.

/* global HEAPU32, Module, _LetterBox_Keep, _Letter_Enter, _Text_Buffer */

// The page's state, in one place.
var geoPage = {
  touched: false, // the player's last press was a finger's (or a pen's) rather than a key's
  lists: [],      // teachers' lists by category: the file's name and its bytes, as loaded,
                  // and whether the browser keeps them (lists.js)
  notes: [],      // what to tell the teacher with the next message (geoTell)
  storageRefused: false, // the browser refused to keep a list: told once
  persistAsked: false,   // the browser was asked once not to clear what it keeps
  lastLoaded: "", // the menu caption of the list loaded last, for the saved page's name
  source: null,   // the page as it came, of which a saved page is made (lists.js)
  toStart: new Set(), // fields to show from their start at the next frame (geoSetValue)
};

// Whether the key belongs to an input method's composition: while one is under way, and
// Safari's Enter that commits one (sent after compositionend, with keyCode 229).
function geoComposes(event) {
  return event.isComposing || event.keyCode === 229;
}

function geoCodePoints(text) {
  return Array.from(text, function (c) { return c.codePointAt(0); });
}

// Writes `text` into the module's text buffer (Text_Buffer); its count of code points.
function geoHandText(text) {
  var codes = geoCodePoints(text);
  var at = _Text_Buffer(codes.length) >> 2; // first: it may move the module's memory
  HEAPU32.set(codes, at);
  return codes.length;
}

// What the letter box keeps of `proposed`, in the module's one rule for both windows:
// `before`, the text before the edit, and whether the edit replaces all of it.
function geoKept(before, replacesAll, proposed) {
  var old = geoCodePoints(before), edit = geoCodePoints(proposed);
  var at = _Text_Buffer(old.length + edit.length) >> 2;
  HEAPU32.set(old, at);
  HEAPU32.set(edit, at + old.length);
  var count = _LetterBox_Keep(old.length, replacesAll ? 1 : 0, edit.length);
  return String.fromCodePoint.apply(null, HEAPU32.subarray(at, at + count));
}

// The letter box keeps one character, whatever the player types, pastes or composes.
// An edit is measured against the text before it, and whether it replaces all of it (the
// box was empty, or all of it was selected). A composition is let finish and the rule
// applied to what it committed, measured against the text before it began. A paste is
// let happen, as any edit, and then cut back by the rule applied to the text pasted as
// it was, before the browser turned its line breaks into blanks.
function geoKeepOne(field) {
  var before = field.value, replacesAll = true, composing = false, pasted = null;
  function note(event) {
    before = field.value;
    replacesAll = before === "" ||
                  (field.selectionStart === 0 && field.selectionEnd === before.length);
    // A field's paste brings the text as the clipboard held it in `data`.
    pasted = event && event.inputType === "insertFromPaste" && typeof event.data === "string"
      ? before.slice(0, field.selectionStart) + event.data + before.slice(field.selectionEnd)
      : null;
  }
  function keep() {
    var text = geoKept(before, replacesAll, pasted === null ? field.value : pasted);
    pasted = null;
    if (text !== field.value) {
      field.value = text;
    }
  }
  field.addEventListener("compositionstart", function () {
    note(null);
    composing = true;
  });
  field.addEventListener("compositionend", function () {
    composing = false;
    keep();
  });
  field.addEventListener("beforeinput", function (event) {
    // The steps of a composition, and Safari's commit after compositionend, are measured
    // against the text before the composition.
    if (!composing && !event.isComposing && !/Composition/.test(event.inputType || "")) {
      note(event);
    }
  });
  field.addEventListener("input", function (event) {
    if (!composing && !event.isComposing) {
      keep();
    }
  });
}

// Enter in the letter box goes to the module, which clicks "Въвеждам буква" while that
// is enabled; an Enter that commits a composition is no guess.
function geoBindEnter(field) {
  field.addEventListener("keydown", function (event) {
    if (event.key === "Enter" && !geoComposes(event)) {
      event.preventDefault();
      _Letter_Enter();
    }
  });
}

// Writes a field's text; `showStart`: a text wider than the field shows from its start.
// The caret is moved only in the field that has the focus: WebKit focuses a field whose
// selection is set, which would take the focus from the letter box at every tick. The
// fields are scrolled back just before the next frame, all at once: a scroll lays the
// page out first.
function geoSetValue(field, text, showStart) {
  field.value = text;
  if (showStart) {
    if (document.activeElement === field) {
      field.setSelectionRange(0, 0);
    }
    if (geoPage.toStart.size === 0) {
      requestAnimationFrame(function () {
        geoPage.toStart.forEach(function (shown) { shown.scrollLeft = 0; });
        geoPage.toStart.clear();
      });
    }
    geoPage.toStart.add(field);
  }
}

// Scales the whole window uniformly to fit the viewport, centred, in browsers that cannot
// do it by CSS (the page's head says how): here, before the window is first drawn. Its
// corner lies on a whole device pixel, so that lines and text are drawn sharp.
function geoFit() {
  var frame = document.getElementById("window");
  var width = frame.offsetWidth, height = frame.offsetHeight;
  var viewWidth = document.documentElement.clientWidth;
  var viewHeight = document.documentElement.clientHeight;
  var scale = Math.min(viewWidth / width, viewHeight / height);
  var ratio = window.devicePixelRatio || 1;
  function onPixel(offset) { return Math.max(0, Math.round(offset * ratio) / ratio); }
  frame.style.transform = "translate(" + onPixel((viewWidth - width * scale) / 2) + "px, " +
                          onPixel((viewHeight - height * scale) / 2) + "px) scale(" + scale + ")";
  frame.style.visibility = "visible";
}

if (!CSS.supports("(scale: tan(atan2(1px, 1px))) and (left: round(down, 1.5px, 1px))")) {
  geoFit();
  window.addEventListener("resize", geoFit);
}

// The menu bar is one stop of the keyboard order, held by the item last focused; the
// arrow keys, Home and End move among the items, Enter and Space choose one. Items come
// later (teachers' lists) and move behind the overflow item (menubar.js).
function geoMenuBar(bar) {
  function holdStop(item) {
    for (var other of bar.children) {
      other.tabIndex = other === item ? 0 : -1;
    }
  }
  holdStop(bar.children[0]);
  bar.addEventListener("focusin", function (event) { holdStop(event.target); });
  bar.addEventListener("keydown", function (event) {
    var items = Array.from(bar.children);
    var at = items.indexOf(event.target), count = items.length;
    if (at < 0 || event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) {
      return;
    }
    var to = { ArrowRight: (at + 1) % count, ArrowLeft: (at + count - 1) % count,
               Home: 0, End: count - 1 }[event.key];
    if (to !== undefined) {
      event.preventDefault();
      items[to].focus();
    }
  });
}

document.addEventListener("pointerdown", function (event) {
  geoPage.touched = event.pointerType === "touch" || event.pointerType === "pen";
  if (event.target.getAttribute("inputmode") === "none") {
    event.target.removeAttribute("inputmode"); // the field's own tap: the player types
  }
}, true);
document.addEventListener("keydown", function () { geoPage.touched = false; }, true);

// Moves the focus to `element`. After a tap (on a letter key, say) that must not open
// the on-screen keyboard over the window; a tap on the field itself opens it.
function geoFocus(element) {
  if (geoPage.touched) {
    element.setAttribute("inputmode", "none");
  } else {
    element.removeAttribute("inputmode");
  }
  element.focus();
}

// The live region tells screen readers the banner's text whenever the banner shows.
function geoAnnounceBanner(banner) {
  document.getElementById("result-status").textContent = banner.hidden ? "" : banner.value;
}

// The end message shows, with the focus on its button.
function geoShowEnded() {
  document.getElementById("ended").hidden = false;
  document.getElementById("restart").focus();
}

// Bytes from base64, decoded by the browser where it can.
function geoFromBase64(text) {
  if (Uint8Array.fromBase64) {
    return Uint8Array.fromBase64(text);
  }
  var binary = atob(text), bytes = new Uint8Array(binary.length);
  for (var i = 0; i < binary.length; ++i) {
    bytes[i] = binary.charCodeAt(i);
  }
  return bytes;
}

// The game's WebAssembly lies in the page as data (#geo-module). It is decoded and
// compiled once the browser has painted the window that the page's HTML draws, so the
// window shows while it compiles; then the game starts. A browser older than the game's
// WebAssembly (from 2021 and 2022 on) cannot compile it: the page says so, instead of
// showing a window that does nothing.
Module.instantiateWasm = function (imports, started) {
  function start() {
    var instance;
    try {
      var module = new WebAssembly.Module(
        geoFromBase64(document.getElementById("geo-module").content.textContent));
      instance = new WebAssembly.Instance(module, imports);
    } catch (error) {
      document.getElementById("ended-text").textContent =
        "Браузърът е твърде стар за играта. Отворете я в по-нов браузър.";
      document.getElementById("ended").hidden = false;
      throw error;
    }
    started(instance, module);
  }
  if (document.hidden) {
    start();
  } else {
    requestAnimationFrame(function () { setTimeout(start); });
  }
  return {};
};
