#include "WebForm.h"

#include "ElementIndices.h"
#include "FormDefinition.h"
#include "WindowMarkup.h"

#include <emscripten/eventloop.h>
#include <stdexcept>
#include <string>

// The page's functions (library.js): elements by handle, texts as code points and a count.
extern "C" {
void geo_bind(int handle, const char* id);
void geo_bind_button(int handle, int index);
void geo_bind_letter_key(int handle, int key);
void geo_bind_letter_box(int handle);
void geo_bind_menu_item(int index, const char* id);
void geo_bind_menu_bar();
void geo_describe_by(int field, int label);
void geo_bind_alt_key(int button, int key, const char32_t* title, int length);
int geo_value_length(int handle);
void geo_copy_value(int handle, char32_t* buffer, int length);
void geo_set_value(int handle, const char32_t* text, int length, int showStart);
void geo_set_caption(int handle, const char32_t* text, int length);
void geo_set_hidden(int handle, int hidden);
void geo_set_disabled(int handle, int disabled);
void geo_set_used(int handle, int used);
void geo_announce_banner(int handle);
void geo_focus(int handle);
void geo_show_menu_item(int index, const char* id, const char32_t* caption, int length);
void geo_hide_menu_item(const char* id);
void geo_end();
void geo_end_with_error(const char32_t* title, int titleLength, const char32_t* text, int length);
}

namespace web {

namespace {

// The elements the page binds by their indices: the letter box keeps one character and
// Enter in it clicks the letter button; screen readers hear the result banner when it
// shows, and the question with the hint above it.
using namespace form::element;

// Alt and this letter click "Нова игра"; Ctrl+N belongs to the browser.
constexpr char32_t newGameKey = U'N';

// Handles: the window's elements by their place in form::elements, then the letter keys'
// panel, then its keys.
const int panelHandle = static_cast<int>(form::elements.size());

int keyHandle(int key) {
    return panelHandle + 1 + key;
}

int handle(std::string_view name, int index) {
    const form::Element* element = form::find({name, index});
    if (element == nullptr) {
        throw std::out_of_range("the window has no element " + idOf(name, index));
    }
    return static_cast<int>(element - form::elements.data());
}

int lengthOf(game::TextView text) {
    return static_cast<int>(text.size());
}

} // namespace

WebForm::WebForm(const WordLists& lists) : session_(*this, lists) {
    bindPage();
}

WebForm::~WebForm() {
    stopTimer();
}

void WebForm::bindPage() {
    for (int i = 0; i < static_cast<int>(form::menuCaptions.size()); ++i) {
        geo_bind_menu_item(i, idOf(form::menuName, i).c_str());
    }
    for (const form::Element& element : form::elements) {
        const int at = handle(element.id.name, element.id.index);
        geo_bind(at, idOf(element.id.name, element.id.index).c_str());
        if (element.kind == form::Kind::CommandButton) {
            geo_bind_button(at, element.id.index);
        }
    }
    geo_bind(panelHandle, std::string(letterPanelId).c_str());
    for (int key = 0; key < form::letterKeys::count; ++key) {
        geo_bind(keyHandle(key), idOf(letterKeyName, key).c_str());
        geo_bind_letter_key(keyHandle(key), key);
    }
    geo_bind_letter_box(handle("bukwa", letterInput));
    geo_bind_menu_bar();
    geo_describe_by(handle("stolica", displayLine), handle("Label1", hintLabel));
    const game::Text title =
        game::Text(form::find({"Buton", newGameButton})->text) + U" (Alt+" + newGameKey + U")";
    geo_bind_alt_key(handle("Buton", newGameButton), static_cast<int>(newGameKey), title.data(),
                     lengthOf(title));
}

void WebForm::tick(void* form) {
    static_cast<WebForm*>(form)->session_.Timer1_Timer();
}

void WebForm::stopTimer() {
    if (timerRunning_) {
        emscripten_clear_interval(timer_);
        timerRunning_ = false;
    }
}

void WebForm::startTimer() {
    if (!timerRunning_) {
        timer_ = emscripten_set_interval(&WebForm::tick, form::timerIntervalMs, this);
        timerRunning_ = true;
    }
}

void WebForm::end(int errorNumber, game::TextView description) {
    stopTimer();
    if (errorNumber == 0) {
        geo_end();
        return;
    }
    const game::Text text = form::runTimeErrorText(errorNumber, description);
    geo_end_with_error(form::runTimeErrorTitle.data(), lengthOf(form::runTimeErrorTitle),
                       text.data(), lengthOf(text));
}

void WebForm::showMenuItem(int item, game::TextView caption) {
    geo_show_menu_item(item, idOf(form::menuName, item).c_str(), caption.data(), lengthOf(caption));
}

void WebForm::hideMenuItem(int item) {
    geo_hide_menu_item(idOf(form::menuName, item).c_str());
}

void WebForm::focusLetterBox() {
    geo_focus(handle("bukwa", letterInput));
}

void WebForm::showLetterKeys(bool enabled, game::TextView entered) {
    for (int key = 0; key < form::letterKeys::count; ++key) {
        geo_set_disabled(keyHandle(key), !enabled);
        geo_set_used(keyHandle(key), session::letterKeyUsed(key, entered));
    }
    geo_set_hidden(panelHandle, false);
}

game::Text WebForm::text(form::ElementId id) const {
    const int at = handle(id.name, id.index);
    game::Text text(static_cast<std::size_t>(geo_value_length(at)), U'\0');
    geo_copy_value(at, text.data(), lengthOf(text));
    return text;
}

void WebForm::setText(form::ElementId id, game::TextView text) {
    const int at = handle(id.name, id.index);
    if (id.name == "Label1") {
        geo_set_caption(at, text.data(), lengthOf(text));
        return;
    }
    // A text wider than its box shows from its start; the letter box keeps its cursor.
    geo_set_value(at, text.data(), lengthOf(text), id != form::ElementId{"bukwa", letterInput});
    if (id == form::ElementId{"bukwa", resultBanner}) {
        geo_announce_banner(at);
    }
}

void WebForm::setShown(form::ElementId id, bool shown) {
    const int at = handle(id.name, id.index);
    geo_set_hidden(at, !shown);
    if (id == form::ElementId{"bukwa", resultBanner}) {
        geo_announce_banner(at);
    }
}

void WebForm::setEnabled(form::ElementId id, bool enabled) {
    geo_set_disabled(handle(id.name, id.index), !enabled);
}

} // namespace web
