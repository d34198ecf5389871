#include "orbit/element_store.h"

#include "core/settings_store.h"
#include "orbit/element_set.h"

#include <cmath>

namespace orv::orbit {

namespace {
constexpr const char* kAgeSection = "AGE";
} // namespace

std::string_view elementNameOf(std::string_view selectedName) {
    return selectedName.substr(0, selectedName.find('_'));
}

bool ElementStore::lines(std::string_view name, std::string& line1, std::string& line2) const {
    store_.getTwo(kElementApplication, name, "1", "2", line1, line2);
    return !line1.empty();
}

std::string ElementStore::line1(std::string_view name) const {
    return store_.get(kElementApplication, std::string(name), "1");
}

std::string ElementStore::catalogueNumberOf(std::string_view name) const {
    const std::string line = line1(name);
    return line.empty() ? std::string() : catalogueNumber(line);
}

std::string ElementStore::ageText() const {
    return store_.get(kElementApplication, kAgeSection, "1");
}

void ElementStore::stampAge(double dayNumber) {
    store_.save(kElementApplication, kAgeSection, "1",
                std::to_string(static_cast<long long>(std::floor(dayNumber))));
}

} // namespace orv::orbit
