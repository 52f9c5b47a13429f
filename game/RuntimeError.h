#pragma once

#include <stdexcept>
#include <string>

namespace game {

/**
 * A run-time error of the game, carrying the platform's error number and message.
 * The game never catches it: it leaves the handler, and the window shows it in an
 * error message box and ends the program.
 */
class RuntimeError : public std::runtime_error {
public:
    enum Number : int {
        Overflow = 6,
        DivisionByZero = 11,
        ControlArrayElementMissing = 340,
    };

    explicit RuntimeError(Number number);

    Number number() const noexcept { return number_; }

private:
    Number number_;
};

} // namespace game
