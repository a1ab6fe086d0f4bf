#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

using ByteArray = std::vector<std::uint8_t>;

// A borrowed run of bytes: a constant in the program image or a ByteArray.
struct ByteView {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;

    ByteView() = default;
    ByteView(const std::uint8_t* bytes, std::size_t count) : data(bytes), size(count) {}
    ByteView(const ByteArray& bytes) : data(bytes.data()), size(bytes.size()) {}

    bool empty() const { return size == 0; }
};
