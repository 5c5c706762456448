#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace fuzz {

// The bytes of one fuzzer input, taken from the front: option bytes first,
// then runs of bytes. Past the end every byte reads as 0 and every run as
// empty, so that any input, even an empty one, gives a whole set of options.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t byte();
    std::uint16_t uint16(); // little-endian
    // The next `count` bytes, fewer at the end.
    QByteArray take(std::size_t count);
    // Everything not taken yet.
    QByteArray rest() { return take(size_ - position_); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

} // namespace fuzz
