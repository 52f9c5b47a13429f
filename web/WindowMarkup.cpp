#include "WindowMarkup.h"

#include "ElementIndices.h"
#include "ListFile.h"
#include "ListsDialog.h"

#include <algorithm>
#include <cstdio>

namespace web {

namespace {

constexpr double twipsPerPixel = 1440.0 / 96; // CSS pixels are 1/96 inch

// A number as CSS reads it; 15 significant digits hold every place and size exactly
// enough.
std::string number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

std::string pixels(int twips) {
    return number(twips / twipsPerPixel) + "px";
}

std::string backgroundOf(const form::Element& element) {
    switch (element.background) {
    case form::Background::Form:
        return "transparent";
    case form::Background::SystemWindow:
        return "Field";
    case form::Background::Own:
        break;
    }
    return css(element.colour);
}

std::string fontFamilies() {
    std::string families;
    for (std::string_view family : form::fontFamilies) {
        families.append("\"").append(family).append("\", ");
    }
    return families.append(form::genericFontFamily);
}

// The box shows one paragraph a line; CR LF ends each one.
game::Text oneParagraphALine(game::TextView text) {
    game::Text lines;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') {
            continue;
        }
        lines += text[i];
    }
    return lines;
}

std::string styleOf(const form::Element& element) {
    const form::TwipsRect& r = element.twips;
    std::string style = "left: " + pixels(r.left) + "; top: " + pixels(r.top) +
                        "; width: " + pixels(r.width) + "; height: " + pixels(r.height) +
                        "; background: " + backgroundOf(element);
    if (element.pointSize > 0) {
        style += "; font-size: " + number(element.pointSize) + "pt";
    }
    // Every element inherits the window's font, upright and not bold, as its own.
    style += element.bold ? "; font-weight: bold" : "";
    style += element.italic ? "; font-style: italic" : "";
    style +=
        element.alignment == form::Alignment::Left ? "; text-align: left" : "; text-align: center";
    return style;
}

std::string elementHtml(const form::Element& element) {
    static constexpr std::string_view tags[] = {"input", "textarea", "button", "div"};
    const std::string_view tag = tags[static_cast<int>(element.kind)];
    const bool field =
        element.kind == form::Kind::TextBox || element.kind == form::Kind::MultiLineTextBox;
    std::string html = "<" + std::string(tag) + " id=\"" + idOf(element.id.name, element.id.index) +
                       "\" style=\"" + styleOf(element) + "\"";
    switch (element.kind) {
    case form::Kind::TextBox:
        html += " type=\"text\" value=\"" + escaped(element.text) + "\"";
        break;
    case form::Kind::CommandButton:
        html += " type=\"button\"";
        break;
    case form::Kind::Label:
        html += " class=\"label\"";
        break;
    case form::Kind::MultiLineTextBox:
        break;
    }
    if (field) {
        html += element.readOnly ? " readonly" : "";
        html += " spellcheck=\"false\" autocomplete=\"off\"";
    }
    // The first in the keyboard order has the focus from the start: the browser gives it
    // when it first draws the window, with no layout asked for before.
    html += element.id == form::tabOrder.front() ? " autofocus" : "";
    if (!element.accessibleName.empty()) {
        html += " aria-label=\"" + escaped(element.accessibleName) + "\"";
    }
    html += element.visible ? ">" : " hidden>";
    if (element.kind == form::Kind::TextBox) {
        return html + "\n";
    }
    // A line break right after <textarea> would be dropped: written as a character.
    const game::Text text = element.kind == form::Kind::MultiLineTextBox
                                ? oneParagraphALine(element.text)
                                : game::Text(element.text);
    std::string content = escaped(text);
    if (element.kind == form::Kind::MultiLineTextBox && content.starts_with('\n')) {
        content.replace(0, 1, "&#10;");
    }
    return html + content + "</" + std::string(tag) + ">\n";
}

// The letter keys in the rules' place, in the rules' order of the keyboard; their common
// look is in the page's head (windowHead).
std::string letterPanelHtml() {
    namespace keys = form::letterKeys;
    std::string html = "<div id=\"" + std::string(letterPanelId) + "\" hidden>\n";
    for (int i = 0; i < keys::count; ++i) {
        html += "<button id=\"" + idOf(letterKeyName, i) + "\" aria-label=\"" +
                escaped(keys::accessibleName(i)) + "\"";
        if (keys::keyPointSize(i) != keys::pointSize) {
            html += " style=\"font-size: " + number(keys::keyPointSize(i)) + "pt\"";
        }
        html += ">" + escaped(keys::caption(i)) + "</button>\n";
    }
    return html + "</div>\n";
}

// The panel's place is the rules', and its keys' look.
std::string letterPanelStyle() {
    namespace keys = form::letterKeys;
    const form::TwipsRect& r = form::find({"bukwa", form::element::rulesBox})->twips;
    return "#" + std::string(letterPanelId) + " { left: " + pixels(r.left) +
           "; top: " + pixels(r.top) + "; width: " + pixels(r.width) +
           "; height: " + pixels(r.height) + "; padding: " + std::to_string(keys::gapPixels) +
           "px; gap: " + std::to_string(keys::gapPixels) + "px; grid-template-columns: repeat(" +
           std::to_string(keys::columns) + ", 1fr); --face: " + css(keys::face) +
           "; --used-face: " + css(keys::usedFace) + "; --used-text: " + css(keys::usedTextColour) +
           "; }\n#" + std::string(letterPanelId) +
           " button { font-size: " + number(keys::pointSize) +
           "pt; font-weight: " + (keys::bold ? "bold" : "normal") + "; }\n";
}

} // namespace

std::string escaped(game::TextView text) {
    std::string html;
    for (const char c : wordlists::toUtf8(text)) {
        switch (c) {
        case '&':
            html += "&amp;";
            break;
        case '<':
            html += "&lt;";
            break;
        case '>':
            html += "&gt;";
            break;
        case '"':
            html += "&quot;";
            break;
        default:
            html += c;
        }
    }
    return html;
}

std::string idOf(std::string_view name, int index) {
    return std::string(name) + "-" + std::to_string(index);
}

std::string css(form::Rgb colour) {
    return "rgb(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", " +
           std::to_string(colour.blue) + ")";
}

std::vector<const form::Element*> elementsInPageOrder() {
    std::vector<const form::Element*> order;
    for (const form::ElementId& id : form::tabOrder) {
        order.push_back(form::find(id));
    }
    for (const form::Element& element : form::elements) {
        if (std::find(order.begin(), order.end(), &element) == order.end()) {
            order.push_back(&element);
        }
    }
    return order;
}

std::string listFileAccept() {
    std::string accept;
    for (const char c : wordlists::toUtf8(game::Text(form::listTexts::listFilePatterns) + U" " +
                                          game::Text(form::listTexts::listFileMediaTypes))) {
        if (c == ' ') {
            accept += ',';
        } else if (c != '*') {
            accept += c;
        }
    }
    return accept;
}

std::string windowHead() {
    return "<title>" + escaped(form::windowCaption) +
           "</title>\n<style>\nbody, #window { background: " + css(form::formColour) +
           "; }\n#window { font-family: " + fontFamilies() +
           "; font-size: " + number(form::formPointSize) +
           "pt; --client-width: " + pixels(form::clientWidthTwips) +
           "; --client-height: " + pixels(form::clientHeightTwips) + "; }\n" + letterPanelStyle() +
           "</style>\n";
}

std::string windowBody() {
    std::string html = "<div id=\"menubar\" role=\"menubar\">";
    for (int i = 0; i < static_cast<int>(form::menuCaptions.size()); ++i) {
        html += "<button id=\"" + idOf(form::menuName, i) +
                "\" type=\"button\" role=\"menuitem\">" +
                escaped(form::menuCaptions[static_cast<std::size_t>(i)]) + "</button>";
    }
    // The lists dialog's item stays last: the teachers' lists come before it.
    namespace lists = form::listsDialog;
    const std::string shortcut = escaped(lists::shortcutText);
    html += "<button id=\"" + std::string(lists::menuElement) +
            "\" type=\"button\" role=\"menuitem\" aria-haspopup=\"dialog\" aria-keyshortcuts=\"" +
            shortcut + "\" title=\"" + escaped(lists::menuCaption) + " (" + shortcut + ")\">" +
            escaped(lists::menuCaption) + "</button>";
    html += "</div>\n<div id=\"client\">\n";
    for (const form::Element* element : elementsInPageOrder()) {
        html += elementHtml(*element);
        if (element->id == form::ElementId{"bukwa", form::element::rulesBox}) {
            html += letterPanelHtml();
        }
    }
    return html + "</div>";
}

} // namespace web
