// The element file as text: three-line records (name, element line 1, element
// line 2), every line trimmed, CR LF or LF line ends.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orv::orbit {

struct ElementRecord {
    std::string name;
    std::string line1;
    std::string line2;
};

struct ElementFileContents {
    std::vector<ElementRecord> records; // the complete records before any fault
    bool complete = true;               // false: the file breaks off or goes wrong in a record
    int faultLine = 0;                  // 1-based name line of the faulty record
};

// A UTF-8 byte-order mark at the start is skipped. Blank lines where a name is due are
// passed over (a trailing empty line is common). A record that breaks off, whose
// element lines do not start with "1" and "2" (a file out of step would otherwise store
// every later set under a wrong name) or are shorter than the format's 69 columns (cut
// off), ends the reading with `complete` false; the records before it are kept.
ElementFileContents parseElementFile(std::string_view text);

} // namespace orv::orbit
