// Cuts a client's byte stream into command lines, holding a partial line until its
// newline arrives, and notices a line that grows past the limit.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orv::remote {

class LineFramer {
public:
    static constexpr size_t kMaxLine = 1024; // bytes before the newline

    struct Result {
        std::vector<std::string> lines; // complete lines, without "\n" or "\r\n"
        bool overlong = false;          // a line passed the limit: the rest is not framed
    };

    Result feed(std::string_view bytes);
    // Part of a line has arrived and its end has not.
    bool midLine() const { return !partial_.empty(); }

private:
    std::string partial_;
};

} // namespace orv::remote
