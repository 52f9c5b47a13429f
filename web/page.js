// The page's helpers for the window's functions in WebForm.cpp, which draw the window
// and bind its events; the game itself is all in the module.

var geoElements = [];     // the window's elements, by handle
var geoTaken = [];        // the code points of the text last read from an element
var geoLetterPanel = null;

// The text of `length` code points at `ptr` in the module's memory.
function geoText(ptr, length) {
  var text = "";
  var first = ptr >> 2;
  for (var i = 0; i < length; i += 4096) {
    var part = Array.from(HEAPU32.subarray(first + i, first + Math.min(length, i + 4096)),
                          function (c) { return c > 0x10ffff ? 0xfffd : c; });
    text += String.fromCodePoint.apply(null, part);
  }
  return text;
}

// Control characters (line breaks and tabs among them) and the line and paragraph
// separators: a field shows none of them.
var geoUnshown = /^[\0-\x1f\x7f-\x9f\u2028\u2029]+/;

// Whether the key belongs to an input method's composition: while one is under way, and
// Safari's Enter that commits one (sent after compositionend, with keyCode 229).
function geoComposes(event) {
  return event.isComposing || event.keyCode === 229;
}

// The field keeps at most `most` characters that the player types, pastes or composes.
// An edit that would leave more keeps the text before it, unless nothing of that text
// stays (the field was empty, or all of it was selected and is replaced): then the first
// characters of what came in are kept, after any it cannot show at its start (a paste's
// leading line break, say). A composition is let finish and the rule applied to what it
// committed, measured against the text before it began.
function geoKeepAtMost(field, most) {
  var before = field.value, replacesAll = true, composing = false;
  function note() {
    before = field.value;
    replacesAll = before === "" ||
                  (field.selectionStart === 0 && field.selectionEnd === before.length);
  }
  function kept(proposed) {
    var characters = Array.from(proposed);
    if (characters.length <= most && !geoUnshown.test(proposed)) {
      return proposed;
    }
    return replacesAll ? Array.from(proposed.replace(geoUnshown, "")).slice(0, most).join("")
                       : before;
  }
  function keep() {
    var text = kept(field.value);
    if (text !== field.value) {
      field.value = text;
    }
  }
  field.addEventListener("compositionstart", function () {
    note();
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
      note();
    }
  });
  field.addEventListener("input", function (event) {
    if (!composing && !event.isComposing) {
      keep();
    }
  });
  field.addEventListener("paste", function (event) {
    event.preventDefault();
    var pasted = event.clipboardData ? event.clipboardData.getData("text/plain") : "";
    note();
    var start = field.selectionStart, end = field.selectionEnd;
    field.value = kept(before.slice(0, start) + pasted + before.slice(end));
  });
}

// Enter in the field is a click on the button, while that is enabled; an Enter that
// commits a composition is not.
function geoBindEnter(field, button) {
  field.addEventListener("keydown", function (event) {
    if (event.key === "Enter" && !geoComposes(event)) {
      event.preventDefault();
      if (!button.disabled) {
        button.click();
      }
    }
  });
}

// Writes a field's text; `showStart`: a text wider than the field shows from its start.
// The caret is moved only in the field that has the focus: WebKit focuses a field whose
// selection is set, which would take the focus from the letter box at every tick.
function geoSetValue(field, text, showStart) {
  field.value = text;
  if (showStart) {
    if (document.activeElement === field) {
      field.setSelectionRange(0, 0);
    }
    field.scrollLeft = 0;
  }
}

// Scales the whole window uniformly to fit the viewport, centred. Its corner lies on a
// whole device pixel, so that lines and text are drawn sharp.
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

// Whether the player's last press was a finger's (or a pen's) rather than a key's.
var geoTouched = false;
document.addEventListener("pointerdown", function (event) {
  geoTouched = event.pointerType === "touch" || event.pointerType === "pen";
  if (event.target.getAttribute("inputmode") === "none") {
    event.target.removeAttribute("inputmode"); // the field's own tap: the player types
  }
}, true);
document.addEventListener("keydown", function () { geoTouched = false; }, true);

// Moves the focus to `element`. After a tap (on a letter key, say) that must not open
// the on-screen keyboard over the window; a tap on the field itself opens it.
function geoFocus(element) {
  if (geoTouched) {
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

// A browser older than the game's WebAssembly (from 2021 and 2022 on) cannot compile the
// module, and the rest of the page's script never runs: it says so, instead of showing a
// window that does nothing.
window.addEventListener("load", function () {
  if (typeof _Buton_Click !== "function") {
    document.getElementById("ended-text").textContent =
      "Браузърът е твърде стар за играта. Отворете я в по-нов браузър.";
    document.getElementById("ended").hidden = false;
  }
});
