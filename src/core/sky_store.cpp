#include "core/sky_store.h"

#include "core/number_text.h"
#include "core/settings_store.h"

#include <cmath>

namespace orv::core {

namespace {
constexpr const char* kHorizonSection = "horizan";
constexpr const char* kPrioritySection = "scheds";
constexpr const char* kScheduleSection = "malist";

std::string keyOf(int k) {
    return std::to_string(k);
}
} // namespace

bool ensureHorizonTable(SettingsStore& store) {
    if (leadingNumber(store.get(kSkyApplication, kHorizonSection, "1")) == 1) return false;
    store.inTransaction([&] {
        store.save(kSkyApplication, kHorizonSection, "1", "1");
        for (int s = 1; s <= kHorizonSegments; ++s)
            store.save(kSkyApplication, kHorizonSection, keyOf(s + 1), "0");
    });
    return true;
}

HorizonTexts readHorizonTexts(const SettingsStore& store) {
    HorizonTexts texts;
    const SettingsStore::ReadTransaction batch(store);
    for (int s = 1; s <= kHorizonSegments; ++s)
        texts[size_t(s - 1)] = store.get(kSkyApplication, kHorizonSection, keyOf(s + 1));
    return texts;
}

HorizonSegments readHorizonSegments(const SettingsStore& store) {
    HorizonSegments segments{};
    const auto texts = readHorizonTexts(store);
    for (size_t i = 0; i < texts.size(); ++i) {
        const double value = leadingNumber(texts[i]);
        segments[i] = std::isfinite(value) ? value : 0;
    }
    return segments;
}

void writeHorizonTexts(SettingsStore& store, const HorizonTexts& texts) {
    store.inTransaction([&] {
        store.save(kSkyApplication, kHorizonSection, "1", "1");
        for (int s = 1; s <= kHorizonSegments; ++s)
            store.save(kSkyApplication, kHorizonSection, keyOf(s + 1), texts[size_t(s - 1)]);
    });
}

std::string horizonSegmentLabel(int segment) {
    const int last = 10 * segment;
    const int first = segment == 1 ? 0 : last - 9;
    return std::to_string(first) + " to " + std::to_string(last);
}

int priorityValue(std::string_view text) {
    const double value = leadingNumber(text);
    if (!(value >= 1 && value <= kHighestPriority)) return 0;
    return static_cast<int>(std::floor(value));
}

std::string priorityText(std::string_view box) {
    const int value = priorityValue(box);
    return value ? std::to_string(value) : std::string();
}

std::vector<std::string> readPriorityTexts(const SettingsStore& store, int count) {
    std::vector<std::string> texts;
    const SettingsStore::ReadTransaction batch(store);
    for (int position = 1; position <= count; ++position)
        texts.push_back(store.get(kSkyApplication, kPrioritySection, keyOf(position + 1)));
    return texts;
}

std::vector<int> readPriorities(const SettingsStore& store, int count) {
    std::vector<int> priorities;
    for (const auto& text : readPriorityTexts(store, count))
        priorities.push_back(priorityValue(text));
    return priorities;
}

void writePriorityTexts(SettingsStore& store, const std::vector<std::string>& texts) {
    store.inTransaction([&] {
        for (size_t i = 0; i < texts.size(); ++i)
            store.save(kSkyApplication, kPrioritySection, keyOf(int(i) + 2), texts[i]);
    });
}

ScheduleTexts readSchedule(const SettingsStore& store) {
    ScheduleTexts texts;
    const SettingsStore::ReadTransaction batch(store);
    for (int k = 1; k <= kScheduleKeys; ++k)
        texts[size_t(k - 1)] = store.get(kSkyApplication, kScheduleSection, keyOf(k));
    return texts;
}

void writeSchedule(SettingsStore& store, const ScheduleTexts& texts) {
    store.inTransaction([&] {
        for (int k = 1; k <= kScheduleKeys; ++k)
            store.save(kSkyApplication, kScheduleSection, keyOf(k), texts[size_t(k - 1)]);
    });
}

ScheduleTexts defaultSchedule() {
    ScheduleTexts texts;
    texts[0] = kSampleScheduleName;
    for (int k = 2; k <= 6; ++k)
        texts[size_t(k - 1)] = "0";
    texts[6] = "255";
    for (int k = 8; k <= 12; ++k)
        texts[size_t(k - 1)] = "0";
    texts[12] = "0";
    texts[13] = "0";
    return texts;
}

} // namespace orv::core
