#include "QuestionOrder.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace game {

int drawAnyItem(int count, RandomSource& random) {
    if (count < 2) {
        return 0;
    }
    // A number just below 1 times a large count can round up to the count itself.
    const auto item = static_cast<int>(random.next() * static_cast<float>(count));
    return std::clamp(item, 0, count - 1);
}

int QuestionOrder::next(int count, RandomSource& random) {
    if (count < 1) {
        return 0;
    }
    if (static_cast<int>(order_.size()) != count || at_ >= order_.size()) {
        shuffle(count, random);
    }
    last_ = order_[at_++];
    return last_;
}

void QuestionOrder::shuffle(int count, RandomSource& random) {
    order_.resize(static_cast<std::size_t>(count));
    std::iota(order_.begin(), order_.end(), 0);
    // Fisher and Yates: every order as likely as any other. Each place takes one of the
    // questions not yet placed.
    for (int i = 0; i + 1 < count; ++i) {
        const int from = i + drawAnyItem(count - i, random);
        std::swap(order_[static_cast<std::size_t>(i)], order_[static_cast<std::size_t>(from)]);
    }
    // The question just asked goes last instead of first; the one that was last, as
    // random as any, begins the order.
    if (count > 1 && order_.front() == last_) {
        std::swap(order_.front(), order_.back());
    }
    at_ = 0;
}

} // namespace game
