#pragma once

#include <array>
#include <cstddef>

namespace wordlists::embedded {

/// The bytes of one category's file, as it was when the program was built.
struct File {
    const unsigned char* data;
    std::size_t size;
};

/// One file per category, in category order.
extern const std::array<File, 5> files;

} // namespace wordlists::embedded
