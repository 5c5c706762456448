#include "FuzzInput.h"

#include <algorithm>

namespace fuzz {

std::uint8_t FuzzInput::byte() {
    return position_ < size_ ? data_[position_++] : 0;
}

std::uint16_t FuzzInput::uint16() {
    const std::uint16_t low = byte();
    const std::uint16_t high = byte();
    return static_cast<std::uint16_t>(low | high << 8);
}

QByteArray FuzzInput::take(std::size_t count) {
    const std::size_t taken = std::min(count, size_ - position_);
    const QByteArray bytes(reinterpret_cast<const char*>(data_ + position_),
                           static_cast<qsizetype>(taken));
    position_ += taken;
    return bytes;
}

} // namespace fuzz
