#include "Game.h"

#include "Categories.h"
#include "RuntimeError.h"
#include "ValueRules.h"

#include <limits>

namespace game {

namespace {

constexpr TextView questionEnd = U" e: "; // a Latin e, as the question has always read
constexpr TextView attemptsAtStart = U"5";
constexpr char32_t hiddenChar = U'?';
constexpr TextView lossBanner = U"Жалко!";
constexpr TextView winBanner = U"Браво!";

// Field and element indices of the window.
constexpr int letterInput = 0;    // bukwa(0)
constexpr int attemptsField = 1;  // bukwa(1)
constexpr int resultBanner = 2;   // bukwa(2)
constexpr int enteredLetters = 3; // bukwa(3)
constexpr int rulesText = 4;      // bukwa(4)
constexpr int maskedWord = 0;     // stolica(0)
constexpr int displayLine = 1;    // stolica(1)
constexpr int letterButton = 0;   // Buton(0)
constexpr int newGameButton = 1;  // Buton(1)
constexpr int hintLabel = 0;      // Label1(0)
constexpr int exitMenuItem = 0;   // Obrabotwa(0)
Text question(TextView prefix, TextView clue) {
    Text text;
    text.reserve(prefix.size() + clue.size() + questionEnd.size());
    text.append(prefix).append(clue).append(questionEnd);
    return text;
}

// The question twice with one blank between, so that a sliding window wraps seamlessly.
Text marquee(const Text& questionText) {
    Text text;
    text.reserve(2 * questionText.size() + 1);
    text.append(questionText).append(1, U' ').append(questionText);
    return text;
}

std::int16_t toInt16(int value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        throw RuntimeError(RuntimeError::Overflow);
    }
    return static_cast<std::int16_t>(value);
}

} // namespace

Game::Game(FormInterface& form, RandomSource& random) : form_(form), random_(random) {}

void Game::Form_Load() {
    random_.seedFromClock();
    s_.categoryIndex = 0;
    s_.lastIndex = listCount(answerList()) - 1;
    s_.hitCount = 0;
    form_.enableTimer1();
    s_.timerMode = GameState::IdleShuffle;
    form_.setBukwaText(attemptsField, attemptsAtStart);
    PickRandomWord();
    s_.cluePrefix = categories[0].cluePrefix;
}

void Game::Buton_Click(int index) {
    if (index == letterButton) {
        guessLetter();
    } else if (index == newGameButton) {
        newGame();
    }
}

void Game::Obrabotwa_Click(int index) {
    s_.categoryIndex = toInt16(index - 1);
    if (index == exitMenuItem) {
        form_.endProgram();
        return;
    }
    if (index >= 1 && index <= categories_.size()) {
        const Category category = categories_[s_.categoryIndex];
        s_.cluePrefix = category.cluePrefix;
        form_.setLabel1Caption(hintLabel, category.hintCaption);
    }
    // Bound the draw by the newly chosen category's list before drawing from it.
    s_.lastIndex = listCount(answerList()) - 1;
    PickRandomWord();
    StartGame();
}

void Game::Timer1_Timer() {
    if (s_.timerMode == GameState::IdleShuffle) {
        s_.wordIndex = drawWordIndex();
        form_.setStolicaText(displayLine, listItem(answerList(), s_.wordIndex));
    } else if (s_.timerMode == GameState::Marquee) {
        const std::int16_t width = marqueeWidth(s_.marqueeText.size());
        s_.scrollPos = wholeRemainder(s_.scrollPos + 1, width);
        if (s_.scrollPos == 0) {
            s_.scrollPos = 1;
        }
        const TextView text = s_.marqueeText;
        const auto start = static_cast<std::size_t>(s_.scrollPos - 1);
        form_.setStolicaText(displayLine,
                             start < text.size() ? text.substr(start, width) : TextView{});
    }
}

void Game::PickRandomWord() {
    s_.wordIndex = drawWordIndex();
    form_.setStolicaText(displayLine, listItem(answerList(), s_.wordIndex));
}

void Game::StartGame() {
    s_.lastIndex = listCount(answerList()) - 1;
    s_.scrollPos = 0;
    s_.hitCount = 0;
    s_.questionText = question(s_.cluePrefix, listItem(answerList() + 1, s_.wordIndex));
    form_.setStolicaText(displayLine, listItem(answerList(), s_.wordIndex));
    s_.marqueeText = marquee(s_.questionText);
    form_.setBukwaText(attemptsField, attemptsAtStart);
}

void Game::newGame() {
    form_.setBukwaVisible(rulesText, false);
    form_.setBukwaVisible(resultBanner, false);
    form_.setButonEnabled(letterButton, true);
    form_.setBukwaText(letterInput, U"");
    form_.setBukwaText(enteredLetters, U"");
    PickRandomWord();
    s_.timerMode = GameState::Marquee;
    s_.scrollPos = 0;
    StartGame();
    // One "?" per character of the answer, blanks and hyphens included.
    const TextView answer = listItem(answerList(), s_.wordIndex);
    form_.setStolicaText(maskedWord, Text(answer.size(), hiddenChar));
}

void Game::guessLetter() {
    form_.setBukwaVisible(rulesText, false);
    const TextView answer = listItem(answerList(), s_.wordIndex);
    const Text letter = upperCase(form_.bukwaText(letterInput));
    form_.setBukwaText(enteredLetters, form_.bukwaText(enteredLetters) + letter);
    form_.setBukwaText(letterInput, U"");

    // Reveal every position that holds the letter; elsewhere keep what the mask shows.
    const Text mask = form_.stolicaText(maskedWord);
    Text built;
    built.reserve(answer.size());
    int missFlag = 1;
    double attempts = leadingNumber(form_.bukwaText(attemptsField));
    for (std::size_t i = 0; i < answer.size(); ++i) {
        if (letter.size() == 1 && letter[0] == answer[i]) {
            built += letter[0];
            missFlag = 0;
            s_.hitCount = incrementChecked(s_.hitCount);
        } else if (i < mask.size()) {
            built += mask[i];
        }
    }
    form_.setStolicaText(maskedWord, built);

    attempts -= missFlag;
    form_.setBukwaText(attemptsField, shortestDecimal(attempts));
    if (attempts < 1) {
        endGame(lossBanner, answer);
    }
    // A letter entered again counts again, so the hits can pass the length of the
    // word: any count from the length on is a win, or the game could never end.
    if (s_.hitCount >= static_cast<std::int64_t>(answer.size())) {
        endGame(winBanner, answer);
    }
}

void Game::endGame(TextView banner, TextView answer) {
    form_.setButonEnabled(letterButton, false);
    s_.questionText = question(s_.cluePrefix, listItem(answerList() + 1, s_.wordIndex));
    s_.questionText.append(answer);
    s_.marqueeText = marquee(s_.questionText);
    form_.setBukwaVisible(resultBanner, true);
    form_.setBukwaText(resultBanner, banner);
}

int Game::drawWordIndex() {
    return drawIndex(random_.next(), s_.lastIndex);
}

// The window has the lists List1(0) to List1(2n - 1) of its n categories; naming another
// is a run-time error.
int Game::existingList(int index) const {
    if (index < 0 || index >= 2 * categories_.size()) {
        throw RuntimeError(RuntimeError::ControlArrayElementMissing);
    }
    return index;
}

int Game::answerList() const {
    return 2 * s_.categoryIndex;
}

int Game::listCount(int index) const {
    return form_.List1Count(existingList(index));
}

TextView Game::listItem(int index, int item) const {
    return form_.List1Item(existingList(index), item);
}

} // namespace game
