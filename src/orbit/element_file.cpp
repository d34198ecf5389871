#include "orbit/element_file.h"

#include "core/number_text.h"

namespace orv::orbit {

namespace {

class LineReader {
public:
    explicit LineReader(std::string_view text) : rest_(text) {}
    int number() const { return number_; }
    // The next line without its line end; false past the end of the text.
    bool next(std::string_view& line) {
        if (rest_.empty()) return false;
        const auto end = rest_.find('\n');
        line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++number_;
        return true;
    }

private:
    std::string_view rest_;
    int number_ = 0;
};

// Element lines are 69 columns; a shorter one was cut off (a broken download) and
// would leave fields the propagator needs empty.
constexpr size_t kElementLineLength = 69;

bool isElementLine(const std::string& line, char digit) {
    return line.size() >= kElementLineLength && line[0] == digit && line[1] == ' ';
}

// Editors on some systems start a UTF-8 file with a byte-order mark.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

} // namespace

ElementFileContents parseElementFile(std::string_view text) {
    ElementFileContents contents;
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    LineReader reader(text);
    std::string_view line;
    while (reader.next(line)) {
        ElementRecord record;
        record.name = core::trimmed(line);
        if (record.name.empty()) continue;
        const int nameLine = reader.number();
        std::string_view first, second;
        const bool whole = reader.next(first) && reader.next(second);
        if (whole) {
            record.line1 = core::trimmed(first);
            record.line2 = core::trimmed(second);
        }
        if (!whole || !isElementLine(record.line1, '1') || !isElementLine(record.line2, '2')) {
            contents.complete = false;
            contents.faultLine = nameLine;
            return contents;
        }
        contents.records.push_back(std::move(record));
    }
    return contents;
}

} // namespace orv::orbit
