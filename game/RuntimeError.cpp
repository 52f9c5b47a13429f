#include "RuntimeError.h"

namespace game {

namespace {

const char* messageOf(RuntimeError::Number number) {
    switch (number) {
    case RuntimeError::Overflow:
        return "Overflow";
    case RuntimeError::DivisionByZero:
        return "Division by zero";
    case RuntimeError::ControlArrayElementMissing:
        return "Control array element doesn't exist";
    }
    return "Run-time error";
}

} // namespace

RuntimeError::RuntimeError(Number number)
    : std::runtime_error(messageOf(number)), number_(number) {}

} // namespace game
