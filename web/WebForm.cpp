#include "WebForm.h"

#include "FormDefinition.h"
#include "Game.h"
#include "RuntimeError.h"
#include "WindowMarkup.h"

#include <algorithm>
#include <emscripten/emscripten.h>
#include <emscripten/eventloop.h>
#include <stdexcept>
#include <string>

// The page's side: small functions on the DOM, with the helpers of page.js (geoElements,
// geoTaken, geoText, geoFit, geoMenuBar, geoFocus, ...). Elements are addressed by their handle,
// their position in form::elements. Texts cross as code points: a pointer and a count.
// The focus moves only where a player's click or choice sends it (jsFocus).

EM_JS(void, jsAddMenuItem, (int index, const char* id, const char32_t* caption, int length), {
    var item = document.createElement("button");
    item.type = "button";
    item.id = UTF8ToString(id);
    item.setAttribute("role", "menuitem");
    item.textContent = geoText(caption, length);
    item.addEventListener(
        "click", function() { _Obrabotwa_Click(index); });
    geoAddMenuItem(item);
});

// The page's HTML holds the window's own menu items and elements (WindowMarkup.h).
EM_JS(void, jsBindMenuItem, (int index, const char* id), {
    document.getElementById(UTF8ToString(id))
        .addEventListener(
            "click", function() { _Obrabotwa_Click(index); });
});

// kind: 2 command button (form::Kind); `maxLength`: the most characters a player enters,
// 0: any.
EM_JS(void, jsBindElement, (int handle, const char* id, int kind, int index, int maxLength), {
    var element = document.getElementById(UTF8ToString(id));
    if (maxLength > 0) {
        geoKeepAtMost(element, maxLength);
    }
    if (kind == 2) {
        element.addEventListener(
            "click", function() { _Buton_Click(index); });
    }
    geoElements[handle] = element;
});

EM_JS(void, jsBindMenuBar, (), { geoMenuBar(document.getElementById("menubar")); });

// Screen readers read the caption of `label` with the field `field`.
EM_JS(void, jsDescribeBy, (int field, int label),
      { geoElements[field].setAttribute("aria-describedby", geoElements[label].id); });

EM_JS(void, jsFitWindow, (), {
    geoFit();
    window.addEventListener("resize", geoFit);
    document.fonts.ready.then(geoFit);
});

EM_JS(void, jsFocus, (int handle), { geoFocus(geoElements[handle]); });

EM_JS(void, jsAnnounceBanner, (int handle), { geoAnnounceBanner(geoElements[handle]); });

// Enter in the field is a click on the button, while that is enabled.
EM_JS(void, jsBindEnter, (int field, int button),
      { geoBindEnter(geoElements[field], geoElements[button]); });

// Alt and the letter `key` anywhere on the page is a click on the button.
EM_JS(void, jsBindAltKey, (int button, const char* key, const char32_t* title, int length), {
    var letter = UTF8ToString(key);
    geoElements[button].title = geoText(title, length);
    document.addEventListener(
        "keydown", function(event) {
            if (event.altKey && !event.ctrlKey && !event.metaKey &&
                (event.code == "Key" + letter || event.key.toUpperCase() == letter)) {
                event.preventDefault();
                if (!geoElements[button].disabled) {
                    geoElements[button].click();
                }
            }
        });
});

EM_JS(int, jsTakeText, (int handle), {
    geoTaken = Array.from(
        geoElements[handle].value, function(c) { return c.codePointAt(0); });
    return geoTaken.length;
});

EM_JS(int, jsTakeUtf8, (const char* text), {
    geoTaken = Array.from(
        UTF8ToString(text), function(c) { return c.codePointAt(0); });
    return geoTaken.length;
});

EM_JS(void, jsCopyTakenText, (char32_t* buffer), { HEAPU32.set(geoTaken, buffer >> 2); });

EM_JS(void, jsSetValue, (int handle, const char32_t* text, int length, int showStart),
      { geoSetValue(geoElements[handle], geoText(text, length), showStart); });

EM_JS(void, jsSetCaption, (int handle, const char32_t* text, int length),
      { geoElements[handle].textContent = geoText(text, length); });

EM_JS(void, jsSetHidden, (int handle, int hidden), { geoElements[handle].hidden = !!hidden; });

EM_JS(void, jsSetDisabled, (int handle, int disabled),
      { geoElements[handle].disabled = !!disabled; });

// The keys take the place of `rules`; a key types its character into `field` and clicks
// `button`, and is enabled while that is.
EM_JS(void, jsAddLetterPanel,
      (int rules, int field, int button, int columns, double gap, const char* face,
       const char* usedFace, const char* usedText),
      {
          var panel = document.createElement("div");
          panel.id = "letter-panel";
          var style = panel.style;
          var place = geoElements[rules].style;
          style.left = place.left;
          style.top = place.top;
          style.width = place.width;
          style.height = place.height;
          style.padding = style.gap = gap + "px";
          style.gridTemplateColumns = "repeat(" + columns + ", 1fr)";
          style.setProperty("--face", UTF8ToString(face));
          style.setProperty("--used-face", UTF8ToString(usedFace));
          style.setProperty("--used-text", UTF8ToString(usedText));
          panel.geoField = geoElements[field];
          panel.geoButton = geoElements[button];
          geoElements[rules].after(panel);
          geoLetterPanel = panel;
      });

EM_JS(void, jsAddLetterKey,
      (int index, const char32_t* character, const char32_t* caption, int captionLength,
       const char32_t* name, int nameLength, double pointSize, int bold),
      {
          var panel = geoLetterPanel;
          var key = document.createElement("button");
          key.type = "button";
          key.id = "key-" + index;
          key.geoCharacter = geoText(character, 1);
          key.textContent = geoText(caption, captionLength);
          key.setAttribute("aria-label", geoText(name, nameLength));
          key.style.fontSize = pointSize + "pt";
          key.style.fontWeight = bold ? "bold" : "normal";
          key.disabled = panel.geoButton.disabled;
          key.addEventListener(
              "click", function() {
                  if (!panel.geoButton.disabled) {
                      panel.geoField.value = key.geoCharacter;
                      panel.geoButton.click();
                  }
              });
          panel.appendChild(key);
      });

// Keys whose character occurs in the field `entered` show as used.
EM_JS(void, jsMarkUsedKeys, (int entered), {
    var text = geoElements[entered].value;
    for (var key of geoLetterPanel.children) {
        key.classList.toggle("used", text.includes(key.geoCharacter));
    }
});

EM_JS(void, jsSetKeysEnabled, (int enabled), {
    for (var key of geoLetterPanel.children) {
        key.disabled = !enabled;
    }
});

// Every control of the window is disabled; `showEnd`: the end message shows now,
// otherwise when the error dialog closes.
EM_JS(void, jsEndPage,
      (int showEnd, const char32_t* title, int titleLength, const char32_t* text, int length), {
          var ended = document.getElementById("ended");
          var frame = document.getElementById("window");
          for (var control of frame.querySelectorAll("button, input, textarea")) {
              if (!ended.contains(control)) {
                  control.disabled = true;
              }
          }
          if (showEnd) {
              geoShowEnded();
              return;
          }
          var dialog = document.getElementById("runtime-error");
          document.getElementById("runtime-error-title").textContent = geoText(title, titleLength);
          document.getElementById("runtime-error-text").textContent = geoText(text, length);
          dialog.addEventListener("close", geoShowEnded);
          dialog.showModal();
      });

namespace web {

namespace {

// The elements the page binds by their indices.
constexpr int letterInput = 0;    // bukwa(0): Enter in it clicks Buton(0)
constexpr int letterButton = 0;   // Buton(0) "Въвеждам буква"
constexpr int newGameButton = 1;  // Buton(1) "Нова игра"
constexpr int resultBanner = 2;   // bukwa(2): screen readers hear it when it shows
constexpr int enteredLetters = 3; // bukwa(3): its letters show as used keys
constexpr int rulesBox = 4;       // bukwa(4): the letter keys take its place
constexpr int displayLine = 1;    // stolica(1), the question, read with the hint above it
constexpr int hintLabel = 0;      // Label1(0), the category's hint

// Alt and this letter click "Нова игра"; Ctrl+N belongs to the browser.
constexpr char newGameKey[] = "N";

int lengthOf(game::TextView text) {
    return static_cast<int>(text.size());
}

// The text taken by jsTakeText or jsTakeUtf8, `length` code points.
game::Text takenText(int length) {
    game::Text text(static_cast<std::size_t>(length), U'\0');
    jsCopyTakenText(text.data());
    return text;
}

} // namespace

WebForm::WebForm(const WordLists& lists) : lists_(lists) {
    buildPage();
}

WebForm::~WebForm() {
    stopTimer();
}

void WebForm::buildPage() {
    for (int i = 0; i < static_cast<int>(form::menuCaptions.size()); ++i) {
        jsBindMenuItem(i, idOf(form::menuName, i).c_str());
    }
    for (int i = 0; i < static_cast<int>(form::elements.size()); ++i) {
        const form::Element& element = form::elements[static_cast<std::size_t>(i)];
        jsBindElement(i, idOf(element.id.name, element.id.index).c_str(),
                      static_cast<int>(element.kind), element.id.index,
                      element.readOnly ? 0 : element.maxLength);
    }
    jsBindMenuBar();
    jsDescribeBy(handle("stolica", displayLine), handle("Label1", hintLabel));
    jsBindEnter(handle("bukwa", letterInput), handle("Buton", letterButton));
    const game::Text title = game::Text(form::find({"Buton", newGameButton})->text) + U" (Alt+" +
                             static_cast<char32_t>(newGameKey[0]) + U")";
    jsBindAltKey(handle("Buton", newGameButton), newGameKey, title.data(), lengthOf(title));
    jsFitWindow();
    jsFocus(handle(form::tabOrder.front().name, form::tabOrder.front().index));
}

void WebForm::bind(game::Game& game) {
    game_ = &game;
}

void WebForm::load() {
    dispatch([this] { game_->Form_Load(); });
}

void WebForm::Buton_Click(int index) {
    dispatch([this, index] { game_->Buton_Click(index); });
    focusLetterBox();
}

void WebForm::Obrabotwa_Click(int index) {
    dispatch([this, index] { game_->Obrabotwa_Click(index); });
    // Whichever item was chosen, by pointer or key: the next letter is typed at once, and
    // Enter no longer chooses the item again. The desktop's menu bar never takes the focus.
    focusLetterBox();
}

void WebForm::focusLetterBox() {
    if (!ended_) { // once ended, the end message or the error dialog holds the focus
        jsFocus(handle("bukwa", letterInput));
    }
}

void WebForm::Timer1_Timer() {
    tick(this);
}

void WebForm::tick(void* form) {
    auto* self = static_cast<WebForm*>(form);
    self->dispatch([self] { self->game_->Timer1_Timer(); });
}

template <typename Handler> void WebForm::dispatch(Handler handler) {
    if (ended_ || game_ == nullptr) {
        return;
    }
    try {
        handler();
    } catch (const game::RuntimeError& error) {
        fail(error.number(), takenText(jsTakeUtf8(error.what())));
        return;
    } catch (const std::exception& error) {
        // Not one of the game's own errors: shown the same way, as the platform would.
        fail(form::internalErrorNumber,
             game::Text(form::internalErrorPrefix) + takenText(jsTakeUtf8(error.what())));
        return;
    }
    if (endAsked_) {
        end();
    }
}

void WebForm::fail(int number, game::TextView description) {
    ended_ = true;
    stopTimer();
    const game::Text text = form::runTimeErrorText(number, description);
    jsEndPage(false, form::runTimeErrorTitle.data(), lengthOf(form::runTimeErrorTitle), text.data(),
              lengthOf(text));
}

void WebForm::end() {
    ended_ = true;
    stopTimer();
    jsEndPage(true, nullptr, 0, nullptr, 0);
}

void WebForm::stopTimer() {
    if (timerRunning_) {
        emscripten_clear_interval(timer_);
        timerRunning_ = false;
    }
}

int WebForm::handle(std::string_view name, int index) {
    const form::Element* element = form::find({name, index});
    if (element == nullptr) {
        throw std::out_of_range("the window has no element " + idOf(name, index));
    }
    return static_cast<int>(element - form::elements.data());
}

void WebForm::showLetterPanel() {
    if (letterPanelShown_) {
        return;
    }
    letterPanelShown_ = true;
    jsAddLetterPanel(
        handle("bukwa", rulesBox), handle("bukwa", letterInput), handle("Buton", letterButton),
        form::letterKeys::columns, form::letterKeys::gapPixels, css(form::letterKeys::face).c_str(),
        css(form::letterKeys::usedFace).c_str(), css(form::letterKeys::usedTextColour).c_str());
    for (int i = 0; i < form::letterKeys::count; ++i) {
        const game::TextView caption = form::letterKeys::caption(i);
        const game::Text name = form::letterKeys::accessibleName(i);
        jsAddLetterKey(i, &form::letterKeys::characters[static_cast<std::size_t>(i)],
                       caption.data(), lengthOf(caption), name.data(), lengthOf(name),
                       form::letterKeys::keyPointSize(i), form::letterKeys::bold);
    }
    jsMarkUsedKeys(handle("bukwa", enteredLetters));
}

game::Text WebForm::bukwaText(int index) const {
    return takenText(jsTakeText(handle("bukwa", index)));
}

void WebForm::setBukwaText(int index, game::TextView text) {
    // A text wider than its box shows from its start; the letter box keeps its cursor.
    jsSetValue(handle("bukwa", index), text.data(), lengthOf(text), index != letterInput);
    if (index == enteredLetters && letterPanelShown_) {
        jsMarkUsedKeys(handle("bukwa", enteredLetters));
    }
    if (index == resultBanner) {
        jsAnnounceBanner(handle("bukwa", resultBanner));
    }
}

game::Text WebForm::stolicaText(int index) const {
    return takenText(jsTakeText(handle("stolica", index)));
}

void WebForm::setStolicaText(int index, game::TextView text) {
    jsSetValue(handle("stolica", index), text.data(), lengthOf(text), true);
}

void WebForm::setBukwaVisible(int index, bool visible) {
    jsSetHidden(handle("bukwa", index), !visible);
    if (index == rulesBox && !visible) {
        showLetterPanel();
    }
    if (index == resultBanner) {
        jsAnnounceBanner(handle("bukwa", resultBanner));
    }
}

void WebForm::setButonEnabled(int index, bool enabled) {
    jsSetDisabled(handle("Buton", index), !enabled);
    if (index == letterButton && letterPanelShown_) {
        jsSetKeysEnabled(enabled); // the keys stand for the letter button
    }
}

void WebForm::setLabel1Caption(int index, game::TextView caption) {
    jsSetCaption(handle("Label1", index), caption.data(), lengthOf(caption));
}

int WebForm::List1Count(int index) const {
    return wordlists::AddedLists::holds(index) ? added_.count(index)
                                               : wordlists::itemCount(lists_, index);
}

game::TextView WebForm::List1Item(int index, int item) const {
    return wordlists::AddedLists::holds(index) ? added_.item(index, item)
                                               : wordlists::itemAt(lists_, index, item);
}

std::optional<wordlists::AddedLists::Outcome>
WebForm::loadList(std::string_view bytes, std::u32string_view fileName, std::size_t fileSize) {
    if (ended_ || game_ == nullptr) {
        return std::nullopt;
    }
    wordlists::AddedLists::Outcome outcome = added_.load(*game_, bytes, fileName, fileSize);
    if (outcome.category && !outcome.replaced) {
        const int item = *outcome.category + 1;
        const game::TextView caption = game_->categoryTable()[*outcome.category].menuCaption;
        jsAddMenuItem(item, idOf(form::menuName, item).c_str(), caption.data(), lengthOf(caption));
    }
    if (outcome.chooseAgain) {
        Obrabotwa_Click(*outcome.category + 1);
    }
    return outcome;
}

void WebForm::enableTimer1() {
    if (!timerRunning_) {
        timer_ = emscripten_set_interval(&WebForm::tick, form::timerIntervalMs, this);
        timerRunning_ = true;
    }
}

void WebForm::endProgram() {
    endAsked_ = true;
}

} // namespace web
