#pragma once

#include "RandomSource.h"

#include <cstddef>
#include <vector>

namespace game {

/**
 * The order in which a teacher's list asks its questions: each of them once, in a random
 * order, before any of them again; then a new order, which never begins with the question
 * just asked. (The built-in lists keep their own draw, which may repeat a word.)
 */
class QuestionOrder {
public:
    /// The item index of the next question of a list of `count` questions (count >= 1).
    /// A list whose count changed since the last question starts a new order.
    int next(int count, RandomSource& random);

    /// Forgets the order, as for a list that was replaced.
    void reset() { *this = QuestionOrder{}; }

private:
    void shuffle(int count, RandomSource& random);

    std::vector<int> order_;
    std::size_t at_ = 0;
    int last_ = -1;
};

/// Any item of a list of `count` items (count >= 1), each as likely as the others.
int drawAnyItem(int count, RandomSource& random);

} // namespace game
