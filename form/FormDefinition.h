#pragma once

// The main window's definition, MainForm: every element with its place, look and
// initial state, the menu, the keyboard order, the timer and the fixed texts. Plain
// data, read by each front-end (the Qt window, the browser page) to build its window.

#include "Categories.h"
#include "Text.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace form {

using game::Text;
using game::TextView;

/// An RGB colour.
struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

/// A rectangle in twips (1/1440 inch) in the client area, origin top left.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

enum class Kind {
    TextBox,          ///< one line of text
    MultiLineTextBox, ///< wrapped paragraphs, one a line, with a vertical scroll bar always shown
    CommandButton,
    Label, ///< a caption in a single-line box frame
};

/// Where an element takes its background from.
enum class Background {
    Form,         ///< the window's colour shows through
    SystemWindow, ///< the system's colour for text fields
    Own,          ///< a colour of its own (a button's face, for buttons)
};

enum class Alignment { Centre, Left };

/// An element of an element array, by its name and index: "bukwa", 3 is bukwa(3).
struct ElementId {
    std::string_view name;
    int index;

    friend bool operator==(const ElementId&, const ElementId&) = default;
};

/// One visible element of the window.
struct Element {
    ElementId id;
    Kind kind;
    TwipsRect twips;
    Background background;
    Rgb colour;       ///< the own background colour
    double pointSize; ///< font size; 0: the window's
    bool bold;
    bool italic;
    Alignment alignment;
    TextView text; ///< initial text of a text box, caption of a button or label
    bool readOnly;
    int maxLength; ///< most characters the player can type, 0: any; the program's texts are not cut
    bool visible;  ///< at start-up
    TextView accessibleName; ///< for screen readers; empty: the caption says it
};

/// Every visible element of the window. The hidden list boxes List1(0) to List1(9)
/// are not among them: their items are the word lists.
extern const std::array<Element, 13> elements;

/// The element `id`, or nullptr when the window has none of that name and index.
const Element* find(ElementId id);

/// The keyboard order of the elements that can take the focus; the first has it at start-up.
extern const std::array<ElementId, 9> tabOrder;

/// The client area, below the menu bar, in twips.
inline constexpr int clientWidthTwips = 9345;
inline constexpr int clientHeightTwips = 5340;

/// The window's background and font, inherited by elements without their own.
inline constexpr Rgb formColour{192, 192, 255};
inline constexpr double formPointSize = 12;

/// The font families of every text, first choice first: Times New Roman, then two
/// families with its metrics; where none is installed, the generic serif family.
inline constexpr std::array<std::string_view, 3> fontFamilies{"Times New Roman", "Liberation Serif",
                                                              "Tinos"};
inline constexpr std::string_view genericFontFamily = "serif";

inline constexpr TextView windowCaption = U"   География -  столици, общини, реки, острови";

/// Timer1 ticks at this interval from Form_Load on.
inline constexpr int timerIntervalMs = 200;

/// The menu bar's items Obrabotwa(0) to Obrabotwa(5): "Изход", then one per category.
inline constexpr std::string_view menuName = "Obrabotwa";
inline constexpr std::array<TextView, game::menuItemCount> menuCaptions = [] {
    std::array<TextView, game::menuItemCount> captions{game::exitMenuCaption};
    for (std::size_t i = 0; i < game::categories.size(); ++i) {
        captions[i + 1] = game::categories[i].menuCaption;
    }
    return captions;
}();

/// The rules shown in bukwa(4) at start-up: eight paragraphs, each ended by CR LF.
extern const TextView rulesText;

/// Keys for the 30 letters of the Bulgarian alphabet, a blank and a hyphen, in the
/// rules' place once those are first hidden. A key stands for typing its character into
/// bukwa(0) and clicking Buton(0); the keys are enabled while Buton(0) is.
namespace letterKeys {
inline constexpr TextView characters = U"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЬЮЯ -";
inline constexpr int count = static_cast<int>(characters.size());
inline constexpr int columns = 8;
inline constexpr int gapPixels = 4; ///< around and between the keys
inline constexpr double pointSize = 14.25;
inline constexpr double blankPointSize = 10; ///< the word "интервал" fits its key
inline constexpr bool bold = true;
inline constexpr Rgb face{255, 192, 128}; ///< the face of "Въвеждам буква"
inline constexpr Rgb usedFace{224, 224, 224};
inline constexpr Rgb usedTextColour{96, 96, 96};

/// The caption of key `index`: its character, or "интервал" for the blank.
TextView caption(int index);

/// The name of key `index` for screen readers: "Буква А", "Интервал", "Тире".
Text accessibleName(int index);

/// The font size of key `index`.
double keyPointSize(int index);
} // namespace letterKeys

/// Teachers' lists in the desktop window: the file dialog of Ctrl+O and the messages after
/// lists were opened. In the messages, %1 and %2 are filled in.
namespace listTexts {
inline constexpr TextView messageTitle = U"География";
inline constexpr TextView dialogTitle = U"Отваряне на списък";
/// The names of tables that a spreadsheet saved as text: the dialog offers these first, and
/// the folders of lists load only these.
inline constexpr TextView listFilePatterns = U"*.csv *.tsv *.txt";
/// The same tables by their media types, as a browser's file chooser offers them too.
inline constexpr TextView listFileMediaTypes = U"text/csv text/tab-separated-values text/plain";
/// Tables saved as text first (%1 the patterns above), then every file.
inline constexpr TextView dialogFilters = U"Таблици, записани като текст (%1);;Всички файлове (*)";
/// After Ctrl+O: %1 the list's name (or names), %2 the user's folder of lists.
inline constexpr TextView keepOne = U"Да се зарежда ли списъкът %1 и при следващите пускания "
                                    U"на играта? Копие ще бъде записано в папката %2.";
inline constexpr TextView keepMany = U"Да се зареждат ли списъците %1 и при следващите пускания "
                                     U"на играта? Копия ще бъдат записани в папката %2.";
/// %1 the file's name: a file of that name is in the folder already.
inline constexpr TextView keepReplaces = U"Файлът %1 в нея ще бъде заменен.";
inline constexpr TextView keepButton = U"Запази";
inline constexpr TextView closeButton = U"Затвори";
/// %1 the file's name, %2 the folder, %3 why.
inline constexpr TextView keepFailed = U"Копието на %1 не е записано в папката %2: %3.";
inline constexpr TextView noFolder = U"папката не може да бъде създадена";
} // namespace listTexts

/// The message box of a run-time error, which then ends the program: %1 is the error's
/// number, %2 its description.
inline constexpr TextView runTimeErrorTitle = U"География";
inline constexpr TextView runTimeErrorFormat = U"Run-time error '%1':\n\n%2";

/// Errors that are not the game's own show under this number, as "Internal error: " and
/// their description.
inline constexpr int internalErrorNumber = 51;
inline constexpr TextView internalErrorPrefix = U"Internal error: ";

/// `format` with %1 and %2 filled in with `one` and `two`, as the windows' texts have them.
Text filledIn(TextView format, TextView one, TextView two = {});

/// The format filled in: "Run-time error '11':\n\nDivision by zero".
Text runTimeErrorText(int number, TextView description);

} // namespace form
