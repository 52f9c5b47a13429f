#pragma once

// Which element of an array does what: the indices that the game, the session and each
// window use, named once. Plain constants, with nothing to depend on, so that the game's
// rules can name the fields they read and write.

namespace form::element {

// bukwa(i): the text fields.
inline constexpr int letterInput = 0;    ///< the letter to enter
inline constexpr int attemptsField = 1;  ///< the attempts left
inline constexpr int resultBanner = 2;   ///< "Браво!" or "Жалко!"
inline constexpr int enteredLetters = 3; ///< the letters entered this game
inline constexpr int rulesBox = 4;       ///< the rules; the letter keys take its place

// stolica(i): the labels of the word and the question.
inline constexpr int maskedWord = 0;  ///< the word, "?" for each hidden letter
inline constexpr int displayLine = 1; ///< the scrolling question, or a shuffled answer

// Buton(i).
inline constexpr int letterButton = 0;  ///< "Въвеждам буква"
inline constexpr int newGameButton = 1; ///< "Нова игра"

// Label1(i).
inline constexpr int hintLabel = 0; ///< the chosen category's hint

// Obrabotwa(i): the menu, "Изход" first, then category i - 1.
inline constexpr int exitMenuItem = 0;

} // namespace form::element
