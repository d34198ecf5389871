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

bool startsWith(const std::string& line, char digit) {
    return line.size() > 1 && line[0] == digit && line[1] == ' ';
}

} // namespace

ElementFileContents parseElementFile(std::string_view text) {
    ElementFileContents contents;
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
        if (!whole || !startsWith(record.line1, '1') || !startsWith(record.line2, '2')) {
            contents.complete = false;
            contents.faultLine = nameLine;
            return contents;
        }
        contents.records.push_back(std::move(record));
    }
    return contents;
}

} // namespace orv::orbit
