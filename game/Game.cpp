#include "Game.h"

#include "Categories.h"
#include "ElementIndices.h"
#include "RuntimeError.h"
#include "ValueRules.h"

#include <algorithm>
#include <limits>

namespace game {

namespace {

constexpr TextView questionEnd = U" e: "; // a Latin e, as the question has always read
constexpr TextView attemptsAtStart = U"5";
constexpr char32_t hiddenChar = U'?';
constexpr TextView lossBanner = U"Жалко!";
constexpr TextView winBanner = U"Браво!";

// The window's elements, by their indices.
using namespace form::element;
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

Game::Game(FormInterface& form, RandomSource& random, const NumberConversions& numbers)
    : form_(form), random_(random), numbers_(numbers) {}

std::optional<CategoryTable::Placed> Game::addCategory(AddedCategory category) {
    const auto placed = categories_.add(std::move(category));
    if (placed) {
        const auto added = static_cast<std::size_t>(placed->category) - categories.size();
        addedOrders_.resize(std::max(addedOrders_.size(), added + 1));
        // A list that took another's place starts its own order.
        addedOrders_[added].reset();
    }
    return placed;
}

void Game::Form_Load() {
    random_.seedFromClock();
    s_.categoryIndex = 0;
    s_.lastIndex = listCount(answerList()) - 1;
    s_.hitCount = 0;
    form_.enableTimer1();
    s_.timerMode = GameState::IdleShuffle;
    form_.setBukwaText(attemptsField, attemptsAtStart);
    PickRandomWord(true);
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
    PickRandomWord(s_.timerMode != GameState::Marquee);
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
        showMarqueeAt(s_.scrollPos, width);
    }
}

// The slice of the marquee that starts at the 1-based `position`.
void Game::showMarqueeAt(std::int32_t position, std::int16_t width) {
    const TextView text = s_.marqueeText;
    const auto start = static_cast<std::size_t>(position - 1);
    form_.setStolicaText(displayLine, start < text.size() ? text.substr(start, width) : TextView{});
}

// Shows the answer drawn only where no game is about to be played: while the question
// scrolls, the hidden word never appears in the display line. Where it shows, no question
// is asked: any answer is drawn, and a teacher's list keeps its order for the games.
void Game::PickRandomWord(bool showAnswer) {
    s_.wordIndex = showAnswer ? drawWordIndex() : drawQuestion();
    if (showAnswer) {
        form_.setStolicaText(displayLine, listItem(answerList(), s_.wordIndex));
    }
}

void Game::StartGame() {
    s_.lastIndex = listCount(answerList()) - 1;
    s_.scrollPos = 0;
    s_.hitCount = 0;
    s_.questionText = question(s_.cluePrefix, listItem(answerList() + 1, s_.wordIndex));
    s_.marqueeText = marquee(s_.questionText);
    if (s_.timerMode == GameState::Marquee) {
        // What the next tick shows, the question from its start, not the answer.
        showMarqueeAt(1, marqueeWidth(s_.marqueeText.size()));
    } else {
        form_.setStolicaText(displayLine, listItem(answerList(), s_.wordIndex));
    }
    form_.setBukwaText(attemptsField, attemptsAtStart);
}

void Game::newGame() {
    form_.setBukwaVisible(rulesBox, false);
    form_.setBukwaVisible(resultBanner, false);
    form_.setButonEnabled(letterButton, true);
    form_.setBukwaText(letterInput, U"");
    form_.setBukwaText(enteredLetters, U"");
    PickRandomWord(false);
    s_.timerMode = GameState::Marquee;
    s_.scrollPos = 0;
    StartGame();
    // One "?" per character of the answer, blanks and hyphens included.
    const TextView answer = listItem(answerList(), s_.wordIndex);
    form_.setStolicaText(maskedWord, Text(answer.size(), hiddenChar));
}

void Game::guessLetter() {
    form_.setBukwaVisible(rulesBox, false);
    const TextView answer = listItem(answerList(), s_.wordIndex);
    const Text letter = upperCase(form_.bukwaText(letterInput));
    form_.setBukwaText(enteredLetters, form_.bukwaText(enteredLetters) + letter);
    form_.setBukwaText(letterInput, U"");

    // Reveal every position that holds the letter; elsewhere keep what the mask shows.
    const Text mask = form_.stolicaText(maskedWord);
    Text built;
    built.reserve(answer.size());
    int missFlag = 1;
    double attempts = leadingNumber(form_.bukwaText(attemptsField), numbers_);
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
    form_.setBukwaText(attemptsField, shortestDecimal(attempts, numbers_));
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

// The idle shuffle's draw: any answer of a teacher's list; of a built-in list, by its
// own rule, which never reaches its last item.
int Game::drawWordIndex() {
    if (addedCategory()) {
        return drawAnyItem(listCount(answerList()), random_);
    }
    return drawIndex(random_.next(), s_.lastIndex);
}

// The word of a new game or of a category chosen: a teacher's list asks every question
// before any again.
int Game::drawQuestion() {
    if (addedCategory()) {
        const auto added = static_cast<std::size_t>(s_.categoryIndex) - categories.size();
        return addedOrders_.at(added).next(listCount(answerList()), random_);
    }
    return drawWordIndex();
}

bool Game::addedCategory() const {
    return s_.categoryIndex >= static_cast<int>(categories.size()) &&
           s_.categoryIndex < categories_.size();
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
