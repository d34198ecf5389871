#include "remote/line_framer.h"

namespace orv::remote {

LineFramer::Result LineFramer::feed(std::string_view bytes) {
    Result result;
    while (!bytes.empty()) {
        const size_t newline = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, newline);
        if (partial_.size() + piece.size() > kMaxLine) {
            result.overlong = true;
            partial_.clear();
            return result;
        }
        partial_.append(piece);
        if (newline == std::string_view::npos) break;
        if (!partial_.empty() && partial_.back() == '\r') partial_.pop_back();
        result.lines.push_back(std::move(partial_));
        partial_.clear();
        bytes.remove_prefix(newline + 1);
    }
    return result;
}

} // namespace orv::remote
