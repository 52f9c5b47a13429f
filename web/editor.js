// The teachers' lists dialog ("Списъци…", Alt+L) and the list editor. The page only draws
// and binds them: the lists, the editor's rows and their checks, what a paste fills and
// what keeping and removing do are the module's (EditorExports.cpp); their texts are the
// page's HTML, written from the window's definition (ListsMarkup.cpp). A teacher's texts
// are only ever set as text (textContent, value).

/* global HEAP32, _Editor_Cell, _Editor_Changed, _Editor_CountLine, _Editor_Keep,
   _Editor_LastRow, _Editor_Name, _Editor_NameProblem, _Editor_New, _Editor_Open,
   _Editor_Paste, _Editor_RowProblem, _Editor_SetCell, _Editor_SetName, _Lists_Count,
   _Lists_Entry, _Lists_Moved, _Lists_Remove, _Lists_RemoveQuestion, geoComposes, geoHandText,
   geoKeepLists, geoListOutcome, geoListTaken, geoHome, geoPage, geoSavePage, geoTell,
   geoText */

var geoLists = {
  dialog: document.getElementById("lists-dialog"),
  rows: document.getElementById("lists-rows"),
  editor: document.getElementById("list-editor"),
  table: document.getElementById("list-rows"),
  template: document.getElementById("list-row-template").content.firstElementChild,
  name: document.getElementById("list-name"),
  hint: document.getElementById("list-hint"),
  prefix: document.getElementById("list-prefix"),
  // The columns' headings, which name each row's fields with its number.
  headings: Array.from(document.querySelectorAll("#list-rows-table thead th"),
                       function (th) { return th.textContent; }),
  changed: -1, // the category of the list in the editor, -1 for a new one
};

// A text that the module wrote at `ptr`: its code points' pointer and count.
function geoTextAt(ptr) {
  var at = ptr >> 2;
  return geoText(HEAP32[at], HEAP32[at + 1]);
}

// Shows `dialog` over the page; the focus goes back where it was once it closes.
function geoShowDialog(dialog, focus) {
  var back = document.activeElement;
  dialog.addEventListener("close", function () {
    if (back && document.contains(back) && !back.disabled) {
      back.focus();
    }
  }, { once: true });
  dialog.showModal();
  if (focus) {
    focus.focus();
  }
}

// Asks the question `dialog` (its text set); `yes` is called on its yes.
function geoAsk(dialog, yes) {
  dialog.returnValue = "";
  dialog.addEventListener("close", function () {
    if (dialog.returnValue === "yes") {
      yes();
    }
  }, { once: true });
  geoShowDialog(dialog);
}

// --- The lists dialog ------------------------------------------------------------------

function geoListEntries() {
  var entries = [];
  for (var i = 0, count = _Lists_Count(); i < count; ++i) {
    var at = _Lists_Entry(i) >> 2;
    entries.push({ category: HEAP32[at], questions: HEAP32[at + 1],
                   name: geoText(HEAP32[at + 3], HEAP32[at + 4]),
                   home: geoText(HEAP32[at + 5], HEAP32[at + 6]) });
  }
  return entries;
}

// The category of the list chosen in the dialog; -1 for none.
function geoChosenList() {
  var chosen = geoLists.rows.querySelector("input:checked");
  return chosen ? Number(chosen.value) : -1;
}

// Draws the lists, `choose` (or the one chosen before, or the first) chosen.
function geoDrawLists(choose) {
  var entries = geoListEntries();
  var chosen = choose !== undefined ? choose : geoChosenList();
  if (!entries.some(function (e) { return e.category === chosen; })) {
    chosen = entries.length > 0 ? entries[0].category : -1;
  }
  var rows = document.createDocumentFragment();
  for (var entry of entries) {
    var row = rows.appendChild(document.createElement("tr"));
    var label = row.insertCell().appendChild(document.createElement("label"));
    var radio = label.appendChild(document.createElement("input"));
    radio.type = "radio";
    radio.name = "lists-choice";
    radio.value = entry.category;
    radio.checked = entry.category === chosen;
    label.append(" ", entry.name);
    row.insertCell().textContent = entry.questions;
    row.insertCell().textContent = entry.home;
  }
  geoLists.rows.replaceChildren(rows);
  var none = entries.length === 0;
  document.getElementById("lists-none").hidden = !none;
  document.getElementById("lists-table").parentNode.hidden = none;
  for (var id of ["lists-change", "lists-remove", "lists-save"]) {
    document.getElementById(id).disabled = none;
  }
}

// The lists changed (a file loaded, a list kept or removed): the dialog shows them.
function geoListsChanged(choose) {
  if (geoLists.dialog.open) {
    geoDrawLists(choose);
  }
}

function geoOpenLists() {
  geoDrawLists();
  geoShowDialog(geoLists.dialog,
                geoLists.rows.querySelector("input:checked") ||
                document.getElementById("lists-new"));
}

document.getElementById("Spisaci").addEventListener("click", geoOpenLists);

// Alt+L opens the dialog, while the game runs and no other dialog is open.
document.addEventListener("keydown", function (event) {
  if (event.altKey && !event.ctrlKey && !event.metaKey &&
      (event.code === "KeyL" || event.key.toUpperCase() === "L")) {
    event.preventDefault();
    if (!document.getElementById("Spisaci").disabled && !document.querySelector("dialog[open]")) {
      geoOpenLists();
    }
  }
});

document.getElementById("lists-new").addEventListener("click", function () {
  geoOpenEditor(-1);
});
document.getElementById("lists-change").addEventListener("click", function () {
  geoOpenEditor(geoChosenList());
});
document.getElementById("lists-open").addEventListener("click", function () {
  document.getElementById("list-file").click();
});
document.getElementById("lists-save").addEventListener("click", geoSavePage);
document.getElementById("lists-close").addEventListener("click", function () {
  geoLists.dialog.close();
});
// A double click, or a double tap, on a list changes it.
geoLists.rows.addEventListener("dblclick", function () {
  geoOpenEditor(geoChosenList());
});

document.getElementById("lists-remove").addEventListener("click", function () {
  var category = geoChosenList();
  var question = document.getElementById("lists-remove-question");
  document.getElementById("lists-remove-text").textContent =
    geoTextAt(_Lists_RemoveQuestion(category));
  geoAsk(question, function () {
    if (_Lists_Remove(category)) {
      delete geoPage.lists[category];
      geoKeepLists();
    }
    geoDrawLists();
    geoTell([]); // the browser refused to forget it
  });
});

// --- The editor ------------------------------------------------------------------------

function geoCell(row, column) {
  return geoTextAt(_Editor_Cell(row, column));
}

// The row's check beside it, and its fields marked when something is wrong.
function geoShowRowCheck(tr, row) {
  var problem = geoTextAt(_Editor_RowProblem(row));
  tr.cells[3].textContent = problem;
  for (var field of tr.querySelectorAll("input")) {
    if (problem) {
      field.setAttribute("aria-invalid", "true");
    } else {
      field.removeAttribute("aria-invalid");
    }
  }
}

// Row `row` of the table, as the module holds it.
function geoRowElement(row) {
  var tr = geoLists.template.cloneNode(true);
  var fields = tr.querySelectorAll("input");
  tr.setAttribute("aria-rowindex", row);
  tr.cells[0].textContent = row;
  tr.cells[3].id = "list-check-" + row;
  for (var column = 0; column < 2; ++column) {
    fields[column].value = geoCell(row, column);
    fields[column].setAttribute("aria-label", geoLists.headings[column] + " " + row);
    fields[column].setAttribute("aria-describedby", tr.cells[3].id);
  }
  geoShowRowCheck(tr, row);
  return tr;
}

// The number of a field's row as a spreadsheet's: the header is row 1.
function geoRowOf(field) {
  return Number(field.dataset.row || field.closest("tr").getAttribute("aria-rowindex"));
}

// What is wrong with the name and the header, and the count under the table.
// Each is set only when it changes: screen readers hear the count when it does.
function geoShowChecks() {
  // Each read at once: the module's next text takes the place of the last.
  var shown = [["list-name-problem", function () { return _Editor_NameProblem(); }],
               ["list-header-problem", function () { return _Editor_RowProblem(1); }],
               ["list-count", function () { return _Editor_CountLine(); }]];
  for (var each of shown) {
    var element = document.getElementById(each[0]);
    var text = geoTextAt(each[1]());
    if (element.textContent !== text) {
      element.textContent = text;
    }
  }
}

// Of up to 10000 rows only those in view are drawn, with some more above and below for the
// keyboard to move into (which scrolls them into view, and more are drawn); the rest is
// room of their height. A row that stays in view stays the same element, its field's
// focus and caret kept. geoLists.shown: the first row drawn, the last row, a row's height.
var geoRowsAround = 30;
geoLists.shown = { first: 2, last: 1, height: 26 };

function geoRowAt(row) {
  var rows = geoLists.table.rows, at = row - geoLists.shown.first;
  return at >= 0 && at < rows.length ? rows[at] : null;
}

// Draws rows `first` to `last` (the module's last row), keeping those drawn already.
function geoShowRows(first, to) {
  var shown = geoLists.shown, table = geoLists.table, rows = table.rows;
  var drawnTo = shown.first + rows.length - 1;
  if (first > drawnTo || to < shown.first) {
    table.replaceChildren();
    shown.first = first;
    drawnTo = first - 1;
  }
  while (rows.length > 0 && shown.first < first) {
    rows[0].remove();
    shown.first++;
  }
  while (rows.length > 0 && drawnTo > to) {
    rows[rows.length - 1].remove();
    drawnTo--;
  }
  var above = document.createDocumentFragment();
  for (var row = first; row < shown.first; ++row) {
    above.appendChild(geoRowElement(row));
  }
  table.prepend(above);
  shown.first = first;
  var below = document.createDocumentFragment();
  for (row = drawnTo + 1; row <= to; ++row) {
    below.appendChild(geoRowElement(row));
  }
  table.appendChild(below);
  table.style.paddingTop = (first - 2) * shown.height + "px";
  table.style.paddingBottom = (shown.last - to) * shown.height + "px";
  table.parentNode.setAttribute("aria-rowcount", shown.last);
}

// The rows in view, and those around them.
function geoShowRowsInView() {
  var shown = geoLists.shown, box = geoLists.table.parentNode.parentNode;
  var top = Math.max(0, box.scrollTop - geoLists.table.offsetTop);
  var first = Math.max(2, 2 + Math.floor(top / shown.height) - geoRowsAround);
  var to = Math.min(shown.last, first + Math.ceil(box.clientHeight / shown.height) +
                                2 * geoRowsAround);
  geoShowRows(Math.min(first, Math.max(2, to - 4 * geoRowsAround)), to);
}

// Every row drawn afresh from the module, as it scrolled.
function geoDrawRows() {
  var shown = geoLists.shown;
  shown.last = _Editor_LastRow();
  geoLists.table.replaceChildren();
  geoShowRowsInView();
  var height = geoLists.table.rows[0].offsetHeight;
  if (height > 0 && height !== shown.height) {
    shown.height = height;
    geoShowRowsInView();
  }
  geoLists.hint.value = geoCell(1, 0);
  geoLists.prefix.value = geoCell(1, 1);
  geoShowChecks();
}

// After an edit of row `edited`: rows that the module added or dropped at the end, and the
// checks. Where the edited row went, the focus goes to the last row.
function geoFollowRows(edited) {
  var shown = geoLists.shown, last = _Editor_LastRow(), rows = geoLists.table.rows;
  var endShown = shown.first + rows.length - 1 >= shown.last;
  var focusColumn = -1;
  if (geoLists.table.contains(document.activeElement)) {
    focusColumn = Number(document.activeElement.dataset.column);
  }
  var gone = edited > last;
  shown.last = last;
  geoShowRows(Math.min(shown.first, last),
              endShown ? last : Math.min(last, shown.first + rows.length - 1));
  var row = geoRowAt(edited);
  if (row) {
    geoShowRowCheck(row, edited);
  }
  row = geoRowAt(last);
  if (row) {
    geoShowRowCheck(row, last);
    if (gone && focusColumn >= 0) {
      row.querySelectorAll("input")[focusColumn].focus();
    }
  }
  geoShowChecks();
}

geoLists.table.parentNode.parentNode.addEventListener("scroll", function () {
  if (!geoLists.drawing) {
    geoLists.drawing = true;
    requestAnimationFrame(function () {
      geoLists.drawing = false;
      geoShowRowsInView();
    });
  }
});

function geoOpenEditor(category) {
  if (category < 0) {
    _Editor_New();
  } else if (!_Editor_Open(category)) {
    return;
  }
  geoLists.changed = category;
  geoLists.name.value = geoTextAt(_Editor_Name());
  document.getElementById("list-paste-message").textContent = "";
  geoShowDialog(geoLists.editor, geoLists.name);
  geoLists.editor.querySelector(".list-rows-scroll").scrollTop = 0;
  geoDrawRows(); // once shown: its rows' height is known
}

geoLists.name.addEventListener("input", function () {
  _Editor_SetName(geoHandText(geoLists.name.value));
  geoShowChecks();
});

geoLists.editor.addEventListener("input", function (event) {
  var field = event.target;
  if (field.dataset.column === undefined) {
    return;
  }
  var row = geoRowOf(field);
  _Editor_SetCell(row, Number(field.dataset.column), geoHandText(field.value));
  if (row === 1) {
    geoShowChecks();
  } else {
    geoFollowRows(row);
  }
});

// Enter moves down, as in a spreadsheet: the name, the hint, the start of the questions,
// then the rows, each in its column. Tab moves to the next field as everywhere.
geoLists.editor.addEventListener("keydown", function (event) {
  var field = event.target;
  if (event.key !== "Enter" || geoComposes(event) || field.tagName !== "INPUT") {
    return;
  }
  event.preventDefault();
  var next;
  if (field === geoLists.name) {
    next = geoLists.hint;
  } else if (field === geoLists.hint) {
    next = geoLists.prefix;
  } else if (field === geoLists.prefix) {
    next = geoLists.table.querySelector("input");
  } else {
    var below = geoRowAt(geoRowOf(field) + 1);
    next = below && below.querySelectorAll("input")[Number(field.dataset.column)];
  }
  if (next) {
    next.focus();
    next.select();
  }
});

// A paste in a cell (the header's are row 1) is the module's: a table fills rows and
// columns from there. The table is drawn afresh, the focus kept in the cell.
geoLists.editor.addEventListener("paste", function (event) {
  var field = event.target;
  if (field.dataset.column === undefined) {
    return;
  }
  event.preventDefault();
  var text = event.clipboardData ? event.clipboardData.getData("text/plain") : "";
  var row = geoRowOf(field), column = Number(field.dataset.column);
  var out = _Editor_Paste(row, column, geoHandText(text)) >> 2;
  document.getElementById("list-paste-message").textContent =
    geoText(HEAP32[out + 1], HEAP32[out + 2]);
  geoDrawRows();
  var at = row === 1 ? null : geoRowAt(row);
  (at ? at.querySelectorAll("input")[column] : field).focus();
});

document.getElementById("list-keep").addEventListener("click", function () {
  var outcome = geoListOutcome(_Editor_Keep(geoLists.changed));
  if (outcome.category >= 0) {
    geoListTaken(outcome, outcome.fileName, outcome.file, geoHome.browser);
    if (!geoKeepLists()) {
      // Not kept after all: it plays for now only, and the dialog says so.
      _Lists_Moved(outcome.category, geoHome.openedFile, geoHandText(outcome.fileName));
    }
    geoLists.editor.close();
    geoListsChanged(outcome.category);
  }
  geoTell([outcome.message]);
});

// Closing with changes not kept asks first; Escape too.
function geoCloseEditor() {
  if (!_Editor_Changed()) {
    geoLists.editor.close();
    return;
  }
  geoAsk(document.getElementById("list-discard"), function () {
    geoLists.editor.close();
  });
}
document.getElementById("list-cancel").addEventListener("click", geoCloseEditor);
// Escape is taken before the browser turns it into a close, which it may no longer let the
// page refuse when pressed again: wherever the focus is, while the editor is on top.
document.addEventListener("keydown", function (event) {
  if (event.key === "Escape" && !geoComposes(event) && geoLists.editor.open &&
      !document.querySelector(".list-question[open], #list-message[open]")) {
    event.preventDefault();
    geoCloseEditor();
  }
});
geoLists.editor.addEventListener("cancel", function (event) {
  event.preventDefault();
  geoCloseEditor();
});
