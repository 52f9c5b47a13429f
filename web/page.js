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

// The field keeps at most `most` characters that the player types or pastes. An edit
// that would leave more keeps the text before it, unless nothing of that text stays
// (the field was empty, or all of it was selected and is replaced): then the first
// characters of what came in are kept.
function geoKeepAtMost(field, most) {
  var before = field.value, replacesAll = true;
  function note() {
    before = field.value;
    replacesAll = before === "" ||
                  (field.selectionStart === 0 && field.selectionEnd === before.length);
  }
  function kept(proposed) {
    var characters = Array.from(proposed);
    if (characters.length <= most) {
      return proposed;
    }
    return replacesAll ? characters.slice(0, most).join("") : before;
  }
  field.addEventListener("beforeinput", note);
  field.addEventListener("input", function () {
    var text = kept(field.value);
    if (text !== field.value) {
      field.value = text;
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

// Scales the whole window uniformly to fit the viewport, centred.
function geoFit() {
  var frame = document.getElementById("window");
  var width = frame.offsetWidth, height = frame.offsetHeight;
  var viewWidth = document.documentElement.clientWidth;
  var viewHeight = document.documentElement.clientHeight;
  var scale = Math.min(viewWidth / width, viewHeight / height);
  frame.style.transform = "translate(" + (viewWidth - width * scale) / 2 + "px, " +
                          (viewHeight - height * scale) / 2 + "px) scale(" + scale + ")";
}
