// Teachers' lists in the page: a file dropped or chosen after Alt+O, the lists built into
// a saved page, those that the browser keeps for the page, and ?list=NAME.csv from the
// same site, each handed as bytes to the game's reader (List_Load in ListsExports.cpp),
// which says what it made of them; then the message, and the page saved as a new file with
// every list loaded so far inside. Every list loaded or made here is kept by the browser
// (localStorage), as its file's name and bytes, for the page's address.

/* global HEAP32, HEAPU8, _List_Buffer, _List_Load, _List_MostBytes, _List_Unreadable,
   _Lists_Moved, _Lists_StorageRefused, geoFromBase64, geoHandText, geoListsChanged, geoPage,
   geoText */

// Where a list comes from, as the module numbers it (session::ListHome).
var geoHome = { openedFile: 2, browser: 3, savedPage: 4 };

// The page as it came, taken before the module builds the window: what a saved page is
// made of, without the lists built into this one, and without what a website's copy adds
// to become an app (its manifest, its service worker): a saved page is one file again.
geoPage.source = document.documentElement.cloneNode(true);
geoPage.source.querySelectorAll("#geo-lists, [data-geo-site]").forEach(function (element) {
  element.remove();
});
// Nor the fit that page.js gives the window where CSS cannot fit it: a saved page is
// fitted anew by the browser that opens it.
geoPage.source.querySelector("#window").removeAttribute("style");

// The outcome of a file, or of the editor's list kept, as the module wrote it at `ptr`
// (library.js): the category it became (-1: none), the rows left out, the message for the
// teacher, the menu caption; of the editor's list the file to keep and its name, the name
// of a kept file that it supersedes and the category that it left (-1: none).
function geoListOutcome(ptr) {
  var at = ptr >> 2;
  return {
    category: HEAP32[at],
    rowsLeftOut: HEAP32[at + 1],
    message: geoText(HEAP32[at + 2], HEAP32[at + 3]),
    caption: geoText(HEAP32[at + 4], HEAP32[at + 5]),
    file: HEAPU8.slice(HEAP32[at + 6], HEAP32[at + 6] + HEAP32[at + 7]),
    fileName: geoText(HEAP32[at + 8], HEAP32[at + 9]),
    forget: geoText(HEAP32[at + 10], HEAP32[at + 11]),
    left: HEAP32[at + 12],
  };
}

// A list became category `outcome.category` from the file `name` with `bytes`: they are
// kept for a saved page, and by the browser unless the page holds them already.
function geoListTaken(outcome, name, bytes, home) {
  if (outcome.left >= 0) {
    delete geoPage.lists[outcome.left];
  }
  geoPage.lists.forEach(function (list, category) {
    if (list.kept && list.name === outcome.forget) {
      delete geoPage.lists[category];
    }
  });
  geoPage.lists[outcome.category] = { name: name, bytes: bytes, kept: home !== geoHome.savedPage };
  geoPage.lastLoaded = outcome.caption;
}

// Hands a file to the reader and keeps its bytes, for a saved page, once it is a list.
// `file`: its name, its bytes (null: it could not be read) and its size; `home`: where it
// comes from (geoHome), a file opened for now unless said. A file opened for now is kept
// by the browser from then on.
function geoLoadList(file, home) {
  home = home || geoHome.openedFile;
  var name = new TextEncoder().encode(file.name);
  var bytes = file.bytes && file.size <= _List_MostBytes() ? file.bytes : new Uint8Array(0);
  var at = _List_Buffer(bytes.length + name.length);
  HEAPU8.set(bytes, at);
  HEAPU8.set(name, at + bytes.length);
  var outcome = geoListOutcome(file.bytes ? _List_Load(bytes.length, file.size, home)
                                          : _List_Unreadable());
  if (outcome.category >= 0) {
    geoListTaken(outcome, file.name, bytes, home);
    if (home === geoHome.openedFile && geoKeepLists()) {
      _Lists_Moved(outcome.category, geoHome.browser, geoHandText(file.name));
    }
  }
  return outcome;
}

// --- Kept by the browser ---------------------------------------------------------------

// The key of this page's lists: two pages on one host keep their own.
function geoStoreKey() {
  return "geografia-lists " + location.pathname;
}

// The lists kept by the browser for this page, as written (geoKeepLists); none where the
// browser keeps nothing or what it keeps is not such a list.
function geoKeptLists() {
  try {
    var kept = JSON.parse(localStorage.getItem(geoStoreKey()) || "[]");
    return Array.isArray(kept) ? kept : [];
  } catch {
    return [];
  }
}

// Writes every list to keep, as data only: JSON of its file's name and its bytes in base64.
// False where the browser refuses (a private window, a full storage, a page opened from a
// file where that is not allowed): the teacher is told once, with the next message.
function geoKeepLists() {
  var kept = geoPage.lists.filter(function (list) { return list.kept; }).map(function (list) {
    return [list.name, geoToBase64(list.bytes)];
  });
  try {
    if (kept.length > 0) {
      localStorage.setItem(geoStoreKey(), JSON.stringify(kept));
    } else {
      localStorage.removeItem(geoStoreKey());
    }
  } catch {
    if (!geoPage.storageRefused) {
      geoPage.storageRefused = true;
      var text = _Lists_StorageRefused() >> 2;
      geoPage.notes.push(geoText(HEAP32[text], HEAP32[text + 1]));
    }
    return false;
  }
  // Asked once: that the browser not clear them to make room.
  if (kept.length > 0 && !geoPage.persistAsked && navigator.storage && navigator.storage.persist) {
    geoPage.persistAsked = true;
    navigator.storage.persist().catch(function () {});
  }
  return true;
}

// A File's name, bytes and size; a file larger than the reader takes is not read.
function geoReadFile(file) {
  var read = { name: file.name, bytes: new Uint8Array(0), size: file.size };
  if (file.size > _List_MostBytes()) {
    return Promise.resolve(read);
  }
  return file.arrayBuffer().then(function (buffer) {
    read.bytes = new Uint8Array(buffer);
    return read;
  }, function () {
    read.bytes = null;
    return read;
  });
}

// Loads files that the teacher gave, in order, and shows what became of them.
function geoLoadFiles(files) {
  Promise.all(Array.from(files, geoReadFile)).then(function (read) {
    geoTell(read.map(function (file) { return geoLoadList(file); })
      .map(function (o) { return o.message; }).filter(Boolean));
    geoListsChanged();
  });
}

// Shows what became of the files in the page's dialog, as text, with anything else that
// waits to be told.
function geoTell(messages) {
  messages = messages.concat(geoPage.notes.splice(0));
  if (messages.length === 0) {
    return;
  }
  var dialog = document.getElementById("list-message");
  document.getElementById("list-message-text").textContent = messages.join("\n\n");
  document.getElementById("list-save").hidden = !geoPage.lists.some(Boolean);
  if (!dialog.open) {
    dialog.geoReturnTo = document.activeElement;
    dialog.showModal();
  }
}

function geoToBase64(bytes) {
  var text = "";
  for (var i = 0; i < bytes.length; i += 0x8000) {
    text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
  }
  return btoa(text);
}

// The page with every list loaded so far built in, offered as "География - NAME.html".
// The lists lie in a data block that no browser runs: JSON without a single "<", names
// escaped and bytes in base64, so nothing in them can end the block or start markup.
function geoSavePage() {
  var copy = geoPage.source.cloneNode(true);
  var data = document.createElement("script");
  data.type = "application/json";
  data.id = "geo-lists";
  data.textContent = JSON.stringify(geoPage.lists.filter(Boolean).map(function (list) {
    return [list.name, geoToBase64(list.bytes)];
  })).replace(/</g, "\\u003c");
  copy.querySelector("head").appendChild(data);
  var page = new Blob(["<!DOCTYPE html>\n" + copy.outerHTML], { type: "text/html" });
  var link = document.createElement("a");
  link.href = URL.createObjectURL(page);
  // Characters that no file system takes in a name become "_", control characters too.
  // eslint-disable-next-line no-control-regex
  var unsafe = /[\\/:*?"<>|\0-\x1f\x7f]/g;
  link.download = "География - " +
                  geoPage.lastLoaded.replace(unsafe, "_").replace(/[. ]+$/, "") + ".html";
  document.body.appendChild(link);
  link.click();
  link.remove();
  setTimeout(function () { URL.revokeObjectURL(link.href); }, 60000);
}

// The address of ?list= on this site, or null: nothing with a scheme or a host of its own.
// (The fetch follows no address off the site either, redirected or not.)
function geoListAddress(value) {
  if (/^\s*([a-z][a-z\d+.-]*:|[\\/]{2})/i.test(value)) {
    return null;
  }
  try {
    return new URL(value, location.href);
  } catch {
    return null;
  }
}

// ?list=NAME.csv: the file fetched from the same site; null bytes when it cannot be.
function geoFetchList(value) {
  var url = geoListAddress(value), name = value;
  try {
    name = url ? decodeURIComponent(url.pathname.split("/").pop()) : value;
  } catch {
    // a malformed escape: the name as it was given
  }
  var failed = { name: name, bytes: null, size: 0 };
  if (!url) {
    return Promise.resolve(failed);
  }
  return fetch(url, { mode: "same-origin", credentials: "same-origin" }).then(function (response) {
    var size = Number(response.headers.get("Content-Length"));
    if (!response.ok) {
      return failed;
    }
    if (size > _List_MostBytes()) {
      return { name: name, bytes: new Uint8Array(0), size: size };
    }
    return response.arrayBuffer().then(function (buffer) {
      return { name: name, bytes: new Uint8Array(buffer), size: buffer.byteLength };
    });
  }).catch(function () { return failed; });
}

// At start: the lists built into a saved page, then those that the browser keeps for the
// page (a kept list takes the place of a namesake, as a later file does), then those of
// ?list=, in order. A saved page's lists and the kept ones load silently (the teacher was
// told of their left-out rows when loading them; the pupils need not be), unless one
// cannot load at all; a fetched list is told once when it did not load whole.
function geoLoadStartLists() {
  var builtIn = [], data = document.getElementById("geo-lists");
  try {
    builtIn = data ? JSON.parse(data.textContent) : [];
  } catch {
    // not JSON: a page edited by hand holds no lists
  }
  var told = [];
  function load(file, quietRows, home) {
    var outcome = geoLoadList(file, home);
    if (outcome.message && (outcome.category < 0 || (outcome.rowsLeftOut > 0 && !quietRows))) {
      told.push(outcome.message);
    }
  }
  function loadAll(lists, home) {
    for (var list of lists) {
      var file = { name: "", bytes: null, size: 0 };
      try { // a page edited by hand, or another script of the site, may hold anything here
        file.name = String(list[0]);
        file.bytes = geoFromBase64(String(list[1]));
        file.size = file.bytes.length;
      } catch {
        // no bytes: the reader tells that the list cannot be read
      }
      load(file, true, home);
    }
  }
  loadAll(Array.isArray(builtIn) ? builtIn : [], geoHome.savedPage);
  loadAll(geoKeptLists(), geoHome.browser);
  var asked = new URLSearchParams(location.search).getAll("list");
  Promise.all(asked.map(geoFetchList)).then(function (fetched) {
    fetched.forEach(function (file) { load(file, false, geoHome.openedFile); });
    geoTell(told);
  });
}

// --- The teacher's ways in: a drop anywhere, and Alt+O ---------------------------------

function geoCarriesFiles(event) {
  return !!event.dataTransfer && Array.from(event.dataTransfer.types).indexOf("Files") >= 0;
}

// A dropped file is a list, never a page to go to.
["dragenter", "dragover"].forEach(function (type) {
  document.addEventListener(type, function (event) {
    if (geoCarriesFiles(event)) {
      event.preventDefault();
      event.dataTransfer.dropEffect = "copy";
    }
  });
});
document.addEventListener("drop", function (event) {
  if (geoCarriesFiles(event)) {
    event.preventDefault();
    geoLoadFiles(event.dataTransfer.files);
  }
});

// Alt+O opens the file chooser (the browser keeps Ctrl+O), while the game runs.
document.addEventListener("keydown", function (event) {
  if (event.altKey && !event.ctrlKey && !event.metaKey &&
      (event.code === "KeyO" || event.key.toUpperCase() === "O")) {
    event.preventDefault();
    if (document.getElementById("ended").hidden &&
        !document.getElementById("runtime-error").open) {
      document.getElementById("list-file").click();
    }
  }
});

document.getElementById("list-file").addEventListener("change", function (event) {
  geoLoadFiles(event.target.files);
  event.target.value = "";
});

document.getElementById("list-save").addEventListener("click", function () {
  geoSavePage();
  document.getElementById("list-message").close();
});

document.getElementById("list-message").addEventListener("close", function (event) {
  var back = event.target.geoReturnTo;
  if (back && document.contains(back) && !back.disabled) {
    back.focus();
  }
});
