// Takes a fuzzer's bytes apart into the pieces a harness needs (numbers, chunks,
// lines), always the same way for the same bytes, so any input replays exactly.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace orv::fuzz {

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool empty() const { return position_ >= size_; }
    size_t remaining() const { return size_ - position_; }

    // The next byte; 0 once everything is taken.
    uint8_t byte() { return empty() ? 0 : data_[position_++]; }

    // Up to `count` bytes.
    std::vector<uint8_t> bytes(size_t count) {
        count = std::min(count, remaining());
        std::vector<uint8_t> taken(data_ + position_, data_ + position_ + count);
        position_ += count;
        return taken;
    }

    // The text up to the next line feed (not included), or the rest.
    std::string line() {
        const std::string_view rest = this->rest();
        const size_t end = rest.find('\n');
        const std::string_view taken = rest.substr(0, end);
        position_ += end == std::string_view::npos ? taken.size() : end + 1;
        return std::string(taken);
    }

    std::string_view rest() const {
        return {reinterpret_cast<const char*>(data_) + position_, remaining()};
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

// A property the harness checks failed: abort, so the fuzzer keeps the input.
inline void check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

} // namespace orv::fuzz
