#include "BrowserConversions.h"

// numbers.js; texts cross as ASCII bytes in the module's memory.
extern "C" {
void geo_shortest_exponential(double value, char* buffer);
void geo_whole_digits(double value, char* buffer);
double geo_read_number(const char* text, int length);
}

namespace web {

namespace {

class BrowserConversions final : public game::NumberConversions {
public:
    std::string shortestExponential(double value) const override {
        char buffer[32]; // "d.dddddddddddddddde+ddd"
        geo_shortest_exponential(value, buffer);
        return buffer;
    }

    std::string wholeDigits(double value) const override {
        char buffer[320]; // the largest double has 309 digits
        geo_whole_digits(value, buffer);
        return buffer;
    }

    std::optional<double> readPlain(const std::string& plain) const override {
        // ±Infinity or ±0 out of range, as the game would make them.
        return geo_read_number(plain.data(), static_cast<int>(plain.size()));
    }
};

} // namespace

const game::NumberConversions& browserConversions() {
    static const BrowserConversions conversions;
    return conversions;
}

} // namespace web
