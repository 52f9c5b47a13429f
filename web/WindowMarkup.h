#pragma once

// The window as the page's HTML holds it, written from the window's definition when the
// page is built (WindowHtml.cpp), so that the browser draws the window before the module
// runs; the module then binds to the elements by their ids (WebForm).

#include "FormDefinition.h"

#include <string>
#include <string_view>
#include <vector>

namespace web {

/// The page's id of element `name`(index), and of a menu item: "bukwa-3", "Obrabotwa-0".
std::string idOf(std::string_view name, int index);

/// The page's id of the letter keys' panel; key i is letterKeyName-i, "key-3".
inline constexpr std::string_view letterPanelId = "letter-panel";
inline constexpr std::string_view letterKeyName = "key";

/// Text for an element's content or a quoted attribute value.
std::string escaped(game::TextView text);

/// A colour as CSS writes it: "rgb(255, 192, 128)".
std::string css(form::Rgb colour);

/// The elements in the keyboard order, so that Tab follows it; the others after them.
std::vector<const form::Element*> elementsInPageOrder();

/// For the file chooser of teachers' lists, its accept attribute: the tables saved as text,
/// by their names' ends and their media types.
std::string listFileAccept();

/// For the page's head: the window's caption as its title, and its font, colour and size.
std::string windowHead();

/// For the page's #window: the menu bar with its items, the lists dialog's last, and the client
/// area with every element, each with its place, look and first text, in elementsInPageOrder();
/// after the rules, the letter keys that take their place once they are hidden, hidden until then.
std::string windowBody();

} // namespace web
