#include "dde/dde_link.h"

#include "core/number_text.h"
#include "platform/dde_client_wire.h"

#include <cstdio>

namespace orv::dde {

namespace {

constexpr const char* kLinkLost = "DDE LINK LOST. Enter Satellite name and Press Enter";
constexpr const char* kNovaSelected = "Satellite selected by the Nova for Windows program.";
constexpr const char* kNotInDataBase = " not in data base";
constexpr const char* kEnterNameToEdit = "Enter Satellite name to Edit.";

} // namespace

DdeLink::DdeLink(Wiring wiring) : w_(std::move(wiring)) {}

void DdeLink::log(const std::string& line) const {
    if (w_.hooks.log) w_.hooks.log(line);
}

bool DdeLink::probe(const DdeSource& source) {
    const auto result = w_.client().request(source.probeTopic, source.item);
    if (!result.answered()) {
        if (result.outcome != platform::DdeOutcome::NoApplication)
            log(std::string("no link to ") + source.program + ": " +
                platform::ddeOutcomeName(result.outcome) + " (" + result.detail + ")");
        return false;
    }
    active_ = true;
    lost_ = false;
    lastReply_ = result.text;
    satelliteName_ = core::kNoSatellite;
    // Only Nova for Windows takes a typed name; the others choose the satellite alone.
    if (!source.suppliesPosition) w_.panel.setVisible("txt_entre", false);
    return true;
}

DdeLink::PollResult DdeLink::poll(const DdeSource& source) {
    lastReply_.clear();
    const auto result = w_.client().request(source.linkTopic, source.item);
    if (!result.answered()) {
        loseLink(source, result);
        return PollResult::LinkLost;
    }
    lastReply_ = result.text;
    const SourceReading reading = source.read(result.text);
    switch (reading.kind) {
    case ReadingKind::Satellite:
        applyNamed(source, reading);
        break;
    case ReadingKind::NoSatellite:
        lastFault_.clear();
        applyNoSatellite(source);
        break;
    case ReadingKind::Unreadable:
        applyUnreadable(source, reading);
        break;
    }
    return PollResult::Read;
}

void DdeLink::applyNamed(const DdeSource& source, const SourceReading& reading) {
    lastFault_.clear();
    satelliteName_ = core::upperCased(reading.name);
    if (source.suppliesPosition) return applyNova(reading);
    w_.loop.pendingSelection = satelliteName_;
}

void DdeLink::applyNova(const SourceReading& reading) {
    if (w_.satellites.count() <= 0) {
        positionFor_.clear();
        w_.hooks.error_msgs(11); // shown once
        return;
    }
    const std::string listed = listedName(satelliteName_);
    if (listed.empty()) {
        positionFor_.clear();
        w_.panel.setCaption("lbl_sat_name", satelliteName_ + kNotInDataBase);
        deselect();
        w_.hooks.mask_set();
        w_.panel.setCaption("lbl_status", kEnterNameToEdit);
        return;
    }
    const PeerPosition& position = *reading.position;
    w_.tracking.azimuth = position.azimuth;
    w_.tracking.elevation = position.elevation;
    w_.tracking.rangeRate = position.rangeRate;
    w_.tracking.ma256 = static_cast<std::int16_t>(position.ma256);
    w_.panel.setCaption("lbl_ma256", std::to_string(position.ma256));
    positionFor_ = listed;
    w_.loop.pendingSelection = listed;
    w_.panel.setCaption("lbl_status", kNovaSelected);
}

void DdeLink::applyNoSatellite(const DdeSource& source) {
    satelliteName_ = core::kNoSatellite;
    positionFor_.clear();
    deselect();
    w_.hooks.mask_set();
    if (source.idleCaption) w_.panel.setCaption("lbl_status", source.idleCaption);
}

// A reply that cannot be read tells nothing about where the satellite is: the station
// stops following it rather than point at a guess, and says why once per fault.
void DdeLink::applyUnreadable(const DdeSource& source, const SourceReading& reading) {
    if (reading.fault != lastFault_)
        log(std::string("the reply of ") + source.program + " is not understood (" + reading.fault +
            "): \"" + platform::printableDdeText(lastReply_, 80) + "\"");
    lastFault_ = reading.fault;
    satelliteName_ = core::kNoSatellite;
    positionFor_.clear();
    deselect();
    w_.hooks.mask_set();
    w_.panel.setCaption("lbl_status",
                        std::string("Reply of the ") + source.program + " program not understood.");
}

bool DdeLink::pokeNova(const std::string& catalogueNumber) {
    const DdeSource& nova = *ddeSourceNumbered(kNovaSource);
    for (const std::string& text : {"SAT=" + catalogueNumber, std::string("TRACK OFF")}) {
        const auto result = w_.client().poke(nova.linkTopic, nova.item, text);
        if (!result.answered()) {
            loseLink(nova, result);
            return false;
        }
    }
    return true;
}

void DdeLink::loseLink(const DdeSource& source, const platform::DdeResult& failure) {
    log(std::string("DDE link to ") + source.program +
        " lost: " + platform::ddeOutcomeName(failure.outcome) + " (" + failure.detail + ")");
    active_ = false;
    lost_ = true;
    satelliteName_ = core::kNoSatellite;
    positionFor_.clear();
    w_.loop.trackingSource = 1;
    w_.panel.setVisible("txt_entre", true);
    w_.panel.setCaption("lbl_standalone", "Standalone Mode.");
    w_.panel.setCaption("lbl_status", kLinkLost);
    w_.panel.setCaption("lbl_sat_name", core::kNoSatellite);
    deselect();
}

// Asks the main loop to let the satellite go, unless the operator has just chosen one
// that the loop has not taken over yet: that choice stands.
void DdeLink::deselect() {
    const std::string& pending = w_.loop.pendingSelection;
    const bool operatorChoiceWaiting =
        pending != w_.loop.lastSelectionTaken && pending != "?" && pending != core::kNoSatellite;
    if (!operatorChoiceWaiting) w_.loop.pendingSelection = "?";
}

// The list's own spelling of `name`; empty when it is not listed.
std::string DdeLink::listedName(const std::string& name) const {
    for (const auto& listed : w_.satellites.names())
        if (core::upperCased(listed) == name) return listed;
    return {};
}

} // namespace orv::dde
