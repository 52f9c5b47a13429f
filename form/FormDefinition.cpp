#include "FormDefinition.h"

#include <string>

namespace form {

namespace {

constexpr Rgb noColour{0, 0, 0}; // for backgrounds not of their own

} // namespace

using enum Kind;
using enum Background;
using enum Alignment;

// The rules as the game has always shown them.
constexpr TextView rulesText =
    U"Правилата на играта Словоловка са лесно разбираеми и изпълними. Крайна цел е отгатване на "
    U"дума/израз чийто букви са отбелязани с определен знак.\r\n"
    U"Да се реализира проект осъществяващ междупредметни връзки География и Информатика.\r\n"
    U"Предварително се определят една или повече теми. В действащия проект това са: столици на "
    U"държави, градове в общини, реки, острови, американски щати и техните столици.\r\n"
    U"Събраната информация служи като основа за задаваните думи.\r\n"
    U"При стартиране на нова игра (от избраната тема) се генерира псевдослучайно число - за "
    U"пореден "
    U"номер на разглеждан обект. Проектът извежда фраза съставена само от единствен знак. Броят на "
    U"знаците е равен на броя на символите в името на думата. В общия брой символи влизат и "
    U"интервалите, ако има такива.\r\n"
    U"Потребителят има възможност да въвежда различни знаци. Ако въведен знак се повтаря няколко "
    U"пъти, то той се отчита като един вярно въведен знак, но се показва във всички негови "
    U"позиции. "
    U"Всички извеждани букви са главни, дори и да се въведе малка буква, то тя бива автоматично "
    U"преобразувана в главна. Имената на обектите са на български - всички използвани букви са "
    U"кирилица.\r\n"
    U"Преди да е стартирана играта последователно се извежда цялото множество от съхранени термини "
    U"от избраната област.\r\n"
    U"Да се ограничи броят опити за \"отгатване\". Ако терминът не е въведен правилно се 5 броя "
    U"опити, то играта се преустановява и се дава решението на задачата.\r\n";

// clang-format off
constexpr std::array<Element, 13> elements{{
    // name, index     kind              left, top, width, height   background    own colour
    //   pt     bold   italic align   text                              read-only max visible
    //   accessible name
    {{"Label1", 0},  Label,            {120, 0, 3495, 375},      Form,         noColour,
        0,     false, false, Centre, game::categories[0].hintCaption,  false,    0,  true,
        U""},
    {{"stolica", 1}, TextBox,          {120, 360, 4935, 525},    SystemWindow, noColour,
        20.25, false, false, Centre, U"",                              false,    0,  true,
        U"Въпрос"},
    {{"Label1", 3},  Label,            {3720, 0, 1335, 375},     Form,         noColour,
        0,     false, false, Centre, U"Въведено:",                     false,    0,  true,
        U""},
    {{"bukwa", 3},   TextBox,          {5160, 0, 3975, 315},     Own,          {192, 192, 255},
        12,    true,  true,  Centre, U"",                              true,     0,  true,
        U"Въведено"},
    {{"stolica", 0}, TextBox,          {5160, 360, 3975, 525},   Own,          {255, 192, 128},
        14.25, true,  false, Centre, U" Нова игра",                    true,     0,  true,
        U"Скритата дума"},
    {{"Buton", 1},   CommandButton,    {120, 960, 1815, 495},    Own,          {255, 0, 0},
        0,     false, false, Centre, U"Нова игра",                     false,    0,  true,
        U""},
    {{"Label1", 1},  Label,            {2040, 1080, 1215, 375},  Form,         noColour,
        0,     false, false, Centre, U"брой опити",                    false,    0,  true,
        U""},
    {{"bukwa", 1},   TextBox,          {3360, 1080, 495, 405},   SystemWindow, noColour,
        14.25, true,  false, Centre, U"",                              true,     1,  true,
        U"брой опити"},
    {{"Label1", 2},  Label,            {4200, 1080, 1695, 375},  Form,         noColour,
        0,     false, false, Centre, U"Главна буква/и",                false,    0,  true,
        U""},
    {{"bukwa", 0},   TextBox,          {6000, 960, 735, 645},    SystemWindow, noColour,
        26.25, false, false, Centre, U"",                              false,    1,  true,
        U"Главна буква"},
    {{"Buton", 0},   CommandButton,    {6840, 1080, 2295, 495},  Own,          {255, 192, 128},
        0,     false, false, Centre, U"Въвеждам буква",                false,    0,  true,
        U""},
    // The banner shows only once a game has ended.
    {{"bukwa", 2},   TextBox,          {2040, 1560, 3975, 405},  Own,          {255, 128, 0},
        15.75, true,  false, Centre, U"",                              true,     0,  false,
        U"Резултат"},
    {{"bukwa", 4},   MultiLineTextBox, {120, 2040, 9015, 3165},  Own,          {224, 224, 224},
        0,     false, false, Left,   rulesText,                        false,    0,  true,
        U"Правила на играта"},
}};
// clang-format on

constexpr std::array<ElementId, 9> tabOrder{{
    {"stolica", 0},
    {"bukwa", 0},
    {"bukwa", 1},
    {"Buton", 0},
    {"stolica", 1},
    {"Buton", 1},
    {"bukwa", 3},
    {"bukwa", 2},
    {"bukwa", 4},
}};

const Element* find(ElementId id) {
    for (const Element& element : elements) {
        if (element.id == id) {
            return &element;
        }
    }
    return nullptr;
}

namespace letterKeys {

namespace {

bool inRange(int index) {
    return index >= 0 && index < count;
}

} // namespace

TextView caption(int index) {
    if (!inRange(index)) {
        return {};
    }
    const TextView character = characters.substr(static_cast<std::size_t>(index), 1);
    return character == U" " ? U"интервал" : character;
}

Text accessibleName(int index) {
    if (!inRange(index)) {
        return {};
    }
    const char32_t character = characters[static_cast<std::size_t>(index)];
    if (character == U' ') {
        return U"Интервал";
    }
    if (character == U'-') {
        return U"Тире";
    }
    return Text(U"Буква ") + character;
}

double keyPointSize(int index) {
    return inRange(index) && characters[static_cast<std::size_t>(index)] == U' ' ? blankPointSize
                                                                                 : pointSize;
}

} // namespace letterKeys

Text filledIn(TextView format, TextView one, TextView two) {
    Text text;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const TextView rest = format.substr(i);
        if (rest.starts_with(U"%1") || rest.starts_with(U"%2")) {
            text.append(rest[1] == U'1' ? one : two);
            ++i;
        } else {
            text += format[i];
        }
    }
    return text;
}

Text runTimeErrorText(int number, TextView description) {
    const std::string digits = std::to_string(number);
    return filledIn(runTimeErrorFormat, Text(digits.begin(), digits.end()), description);
}

} // namespace form
