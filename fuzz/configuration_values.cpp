// The configuration's texts as an operator may type them (35 lines, one per key):
// stored and read back unchanged, converted for both variants into values the
// station can run on, and the number conversions under them.
#include "core/configuration.h"
#include "core/number_text.h"
#include "core/settings_store.h"
#include "fuzz_input.h"

#include <cmath>

using namespace orv;

namespace {

using Texts = std::array<std::string, core::kConfigEntryCount>;

void checkNumberText(const std::string& text) {
    const double value = core::leadingNumber(text);
    fuzz::check(std::isfinite(value), "a leading number is finite");
    core::wholeValue(value);
    // What a number prints as reads back as the same number.
    const double again = core::leadingNumber(core::numberText(value));
    fuzz::check(std::fabs(again - value) <= 1e-14 * std::fabs(value), "a number's text reads back");
    core::readsWholeAsNumber(text);
    core::upperCased(text);
    core::trimmed(text);
}

void checkValues(const core::ConfigValues& values, int variant) {
    for (const auto& entry : core::kConfigEntries)
        fuzz::check(std::isfinite(values.numberOf(entry.key)), "a number entry is finite");
    fuzz::check(values.programTimerMs >= 50, "the tick is at least 50 ms");
    const double tick = core::applyLateIntervalBound(values.programTimerMs);
    fuzz::check(tick >= 50 && tick <= 10000, "the late bound keeps the tick in range");
    fuzz::check(core::mapIntervalTicks(values.mapUpdateSeconds, tick) >= 0,
                "map ticks are not negative");
    const int centre = core::mapCentreDegrees(values.mapCentre);
    fuzz::check(centre == 0 || centre == 180 || centre == 270, "a map centre of the three");
    if (variant == 3)
        fuzz::check(values.parallelPortBase >= 0 && values.parallelPortBase <= 0xFFFF,
                    "a port base is an I/O address");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput input(data, size);
    Texts texts;
    for (auto& text : texts)
        text = input.line();
    for (const auto& text : texts)
        checkNumberText(text);

    core::SettingsStore store(":memory:");
    core::Configuration configuration(store);
    for (const int variant : {3, 4}) {
        configuration.writeAll(variant, texts);
        fuzz::check(configuration.readAll(variant) == texts, "stored texts read back unchanged");
        checkValues(configuration.load(variant), variant);
    }
    return 0;
}
