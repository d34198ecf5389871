// The satellite database's text form, as `orv_kite_tool sat import` reads it: an
// import is all or nothing, what it stores exports and imports again unchanged, and
// the stored fields convert to the values the station runs on.
#include "core/satellite_db.h"
#include "core/settings_store.h"
#include "fuzz_input.h"

#include <cmath>
#include <string>

using namespace orv;

namespace {

// Every typed value the station takes from a record is a number it can use.
void checkTyped(const core::SatelliteDb& db) {
    for (const auto& name : db.names()) {
        const auto record = db.read(name);
        if (!record) continue;
        for (const int variant : {3, 4}) {
            const auto typed = core::typedSatellite(*record, variant);
            fuzz::check(std::isfinite(typed.uplinkMHz) && std::isfinite(typed.downlinkMHz) &&
                            std::isfinite(typed.beaconMHz) && std::isfinite(typed.transponderMHz),
                        "a record's frequencies are finite");
            fuzz::check(std::isfinite(typed.uplink.delay.ms) &&
                            std::isfinite(typed.downlink.delay.ms),
                        "a record's delays are finite");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(fuzz::FuzzInput(data, size).rest());

    // A store with a satellite in it, which a refused import must leave as it was.
    core::SettingsStore store(":memory:");
    core::SatelliteDb db(store);
    db.save(core::satelliteTemplate(false, "AO-7"));
    const std::string before = db.exportText();

    if (const auto error = db.importText(text)) {
        fuzz::check(!error->empty(), "a refusal says why");
        fuzz::check(db.exportText() == before, "a refused import changes nothing");
        return 0;
    }
    checkTyped(db);

    const std::string exported = db.exportText();
    core::SettingsStore again(":memory:");
    core::SatelliteDb copy(again);
    fuzz::check(!copy.importText(exported), "an export imports");
    fuzz::check(copy.exportText() == exported, "an export survives its import unchanged");
    return 0;
}
