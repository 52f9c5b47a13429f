#include "ListsMarkup.h"

#include "ListsDialog.h"
#include "WindowMarkup.h"

namespace web {

namespace {

namespace texts = form::listsDialog;

std::string button(std::string_view id, game::TextView caption, std::string_view more = {}) {
    return "<button id=\"" + std::string(id) + "\" type=\"button\"" +
           (more.empty() ? "" : " " + std::string(more)) + ">" + escaped(caption) + "</button>\n";
}

// A question whose answer is the button's value: its text in `textId`, shown as text.
std::string question(std::string_view id, std::string_view textId, game::TextView text,
                     game::TextView yes, game::TextView no) {
    return "<dialog id=\"" + std::string(id) +
           "\" class=\"list-question\" role=\"alertdialog\" aria-labelledby=\"" +
           std::string(textId) + "\">\n<p id=\"" + std::string(textId) + "\">" + escaped(text) +
           "</p>\n<form method=\"dialog\"><button value=\"yes\">" + escaped(yes) +
           "</button>\n<button value=\"no\" autofocus>" + escaped(no) +
           "</button></form>\n</dialog>\n";
}

std::string field(std::string_view id, game::TextView label, std::string_view more) {
    return "<label for=\"" + std::string(id) + "\">" + escaped(label) + "</label><input id=\"" +
           std::string(id) + "\" type=\"text\" spellcheck=\"false\" autocomplete=\"off\" " +
           std::string(more) + ">\n";
}

std::string listsDialog() {
    std::string html = "<dialog id=\"lists-dialog\" aria-labelledby=\"lists-title\">\n"
                       "<h1 id=\"lists-title\">" +
                       escaped(texts::title) + "</h1>\n<p id=\"lists-none\">" +
                       escaped(texts::noLists) +
                       "</p>\n<div class=\"lists-scroll\"><table id=\"lists-table\" "
                       "aria-labelledby=\"lists-title\"><thead><tr>";
    for (const game::TextView column : texts::listColumns) {
        html += "<th scope=\"col\">" + escaped(column) + "</th>";
    }
    html += "</tr></thead><tbody id=\"lists-rows\"></tbody></table></div>\n"
            "<div class=\"list-buttons\">\n" +
            button("lists-new", texts::newButton, "aria-haspopup=\"dialog\"") +
            button("lists-change", texts::changeButton, "aria-haspopup=\"dialog\"") +
            button("lists-open", texts::openButton) + button("lists-remove", texts::removeButton) +
            button("lists-save", texts::savePageButton) +
            button("lists-close", texts::closeButton) + "</div>\n</dialog>\n";
    return html;
}

std::string editorDialog() {
    std::string html =
        "<dialog id=\"list-editor\" aria-labelledby=\"list-editor-title\">\n"
        "<h1 id=\"list-editor-title\">" +
        escaped(texts::editorTitle) + "</h1>\n<div class=\"list-header\">\n" +
        field("list-name", texts::nameLabel, "aria-describedby=\"list-name-problem\"") +
        "<span id=\"list-name-problem\" class=\"list-check\"></span>\n" +
        field("list-hint", texts::hintLabel,
              "data-row=\"1\" data-column=\"0\" "
              "aria-describedby=\"list-header-problem\"") +
        "<span></span>\n" +
        field("list-prefix", texts::prefixLabel,
              "data-row=\"1\" data-column=\"1\" "
              "aria-describedby=\"list-header-problem\"") +
        "<span id=\"list-header-problem\" class=\"list-check\"></span>\n</div>\n"
        "<p id=\"list-paste-hint\">" +
        escaped(texts::pasteHint) +
        "</p>\n<div class=\"lists-scroll list-rows-scroll\"><table "
        "id=\"list-rows-table\" aria-labelledby=\"list-editor-title\" "
        "aria-describedby=\"list-paste-hint\"><thead><tr><td></td>";
    for (const game::TextView column : texts::rowColumns) {
        html += "<th scope=\"col\" role=\"columnheader\">" + escaped(column) + "</th>";
    }
    // A row as every row is drawn, its number and texts filled in.
    html += "</tr></thead><tbody id=\"list-rows\" role=\"rowgroup\"></tbody></table></div>\n"
            "<template id=\"list-row-template\"><tr role=\"row\"><th scope=\"row\" "
            "role=\"rowheader\"></th><td role=\"cell\"><input "
            "type=\"text\" spellcheck=\"false\" autocomplete=\"off\" data-column=\"" +
            std::to_string(texts::answerColumn) +
            "\"></td><td role=\"cell\"><input type=\"text\" spellcheck=\"false\" "
            "autocomplete=\"off\" "
            "data-column=\"" +
            std::to_string(texts::clueColumn) +
            "\"></td><td role=\"cell\" class=\"list-check\"></td></tr></template>\n"
            "<p id=\"list-count\" role=\"status\"></p>\n"
            "<p id=\"list-paste-message\" role=\"status\"></p>\n<div class=\"list-buttons\">\n" +
            button("list-keep", texts::keepButton) + button("list-cancel", texts::cancelButton) +
            "</div>\n</dialog>\n";
    return html;
}

} // namespace

std::string listsDialogsHtml() {
    return listsDialog() + editorDialog() +
           question("lists-remove-question", "lists-remove-text", {}, texts::removeYes,
                    texts::removeNo) +
           question("list-discard", "list-discard-text", texts::discardQuestion, texts::discardYes,
                    texts::discardNo);
}

} // namespace web
