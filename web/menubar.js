// The menu bar keeps the window's width however many lists are loaded: the items that do
// not fit move, in order, behind an overflow item at its end, which opens them as a menu
// below it. The overflow item and its menu exist only while something is behind them.

// A new item at the end of the menu, before the lists dialog's item, which stays last.
function geoAddMenuItem(item) {
  item.tabIndex = -1; // the bar is one stop, held by one item (geoMenuBar)
  document.getElementById("Spisaci").before(item);
  item.dataset.added = "";
  geoFitMenu();
}

// The overflow item and its menu, from the page's template, bound.
function geoMakeOverflow() {
  var parts = document.getElementById("menu-more-template").content.cloneNode(true);
  var more = parts.getElementById("menu-more"), behind = parts.getElementById("menu-more-list");
  function items() { return Array.from(behind.children); }
  function open() {
    behind.style.maxHeight = document.getElementById("client").offsetHeight + "px";
    behind.hidden = false;
    more.setAttribute("aria-expanded", "true");
    items()[0].focus();
  }
  function close(backToBar) {
    behind.hidden = true;
    more.setAttribute("aria-expanded", "false");
    if (backToBar) {
      more.focus();
    }
  }
  more.addEventListener("click", function () {
    if (behind.hidden) {
      open();
    } else {
      close(false);
    }
  });
  more.addEventListener("keydown", function (event) {
    if (event.key === "ArrowDown" || event.key === "ArrowUp") {
      event.preventDefault();
      open();
    }
  });
  behind.addEventListener("keydown", function (event) {
    var list = items(), at = list.indexOf(event.target), count = list.length;
    var to = { ArrowDown: (at + 1) % count, ArrowUp: (at + count - 1) % count,
               Home: 0, End: count - 1 }[event.key];
    if (to !== undefined) {
      event.preventDefault();
      list[to].focus();
    } else if (event.key === "Escape" || event.key === "ArrowLeft") {
      event.preventDefault();
      close(true);
    } else if (event.key === "Tab") {
      close(false);
    }
  });
  behind.addEventListener("click", function () { close(false); });
  behind.addEventListener("focusout", function (event) {
    if (!behind.contains(event.relatedTarget) && event.relatedTarget !== more) {
      close(false);
    }
  });
  document.addEventListener("pointerdown", function (event) {
    if (!behind.hidden && !behind.contains(event.target) && !more.contains(event.target)) {
      close(false);
    }
  });
  return [more, behind];
}

// Puts every item on the bar that fits there, and the rest behind the overflow item.
function geoFitMenu() {
  var bar = document.getElementById("menubar");
  var more = document.getElementById("menu-more");
  var behind = document.getElementById("menu-more-list");
  var held = Array.from(bar.children).find(function (i) { return i.tabIndex === 0; });
  function fits(item) {
    return item.offsetLeft + item.offsetWidth <= bar.offsetLeft + bar.clientWidth;
  }
  if (behind) {
    for (var item of Array.from(behind.children)) {
      bar.insertBefore(item, more);
    }
  }
  var items = Array.from(bar.children).filter(function (i) { return i !== more; });
  if (fits(items[items.length - 1])) {
    if (more) {
      more.remove();
      behind.remove();
    }
  } else {
    if (!more) {
      var parts = geoMakeOverflow();
      more = parts[0];
      behind = parts[1];
      bar.appendChild(more);
      bar.after(behind);
    }
    while (items.length > 1 && !fits(more)) {
      var last = items.pop();
      last.tabIndex = -1;
      behind.prepend(last);
    }
  }
  // The bar stays one stop of the keyboard order.
  (held && held.parentNode === bar ? held : bar.children[0]).tabIndex = 0;
}

// The captions' widths change once the fonts are there; the window's own items always fit.
document.fonts.ready.then(function () {
  if (document.querySelector("#menubar [data-added], #menu-more")) {
    geoFitMenu();
  }
});
