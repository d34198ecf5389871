// Linked mode in the station: the link to a tracking program wired to the panel,
// the loop and the tracking state; the start-up probe, the poll, the pokes that make
// Nova for Windows follow a typed name, and what a lost link does to the run.
#include "dde/dde_link.h"
#include "orbit/element_store.h"
#include "platform/dde_client.h"
#include "station/station.h"

#include <cstdio>

namespace orv::station {

platform::DdeClient& Station::ddeClient() {
    if (!ddeClient_) {
        std::string error;
        std::string directory = platform::defaultDdeDirectory(error);
        if (directory.empty())
            std::fprintf(stderr, "orv_kite: %s; no tracking program can be reached\n",
                         error.c_str());
        ownDdeClient_ = std::make_unique<platform::LocalSocketDdeClient>(std::move(directory));
        ddeClient_ = ownDdeClient_.get();
    }
    return *ddeClient_;
}

void Station::wireDde() {
    dde::DdeLink::Hooks hooks;
    hooks.mask_set = [this] { mask_set(); };
    hooks.error_msgs = [this](int n) { error_msgs(n); };
    hooks.log = [](const std::string& line) {
        std::fprintf(stderr, "orv_kite: %s\n", line.c_str());
    };
    ddeLink_ = std::make_unique<dde::DdeLink>(
        dde::DdeLink::Wiring{[this]() -> platform::DdeClient& { return ddeClient(); }, panel_,
                             loop_, tracking_, satelliteDb_, std::move(hooks)});

    // The link: off (DDE Service NO), absent (no program answered), the linked
    // program's application name, or lost.
    statusLine_.add("dde", [this]() -> std::string {
        if (config_.ddeService == "NO") return "off";
        if (ddeLink_->lost()) return "lost";
        const auto* program = dde::ddeSourceNumbered(loop_.trackingSource);
        if (program && ddeLink_->active()) return program->application;
        return "absent";
    });
}

bool Station::probeDdeSource(int source) {
    const auto* program = dde::ddeSourceNumbered(source);
    if (!program || !ddeLink_->probe(*program)) return false;
    loop_.ddePollDue = 1; // read the program on the first tick, not a poll interval later
    return true;
}

void Station::pollDdeSource() {
    const auto* program = dde::ddeSourceNumbered(loop_.trackingSource);
    if (!program || !ddeLink_->active()) return;
    // Nova for Windows' poll holds the main-loop timer while it is outstanding.
    const bool holdLoopTimer = program->suppliesPosition && loopTimer_.isActive();
    if (holdLoopTimer) loopTimer_.stop();
    const auto result = ddeLink_->poll(*program);
    if (holdLoopTimer) loopTimer_.start();
    if (result == dde::DdeLink::PollResult::LinkLost) linkLost();
}

bool Station::positionFromProgram() const {
    const auto* program = dde::ddeSourceNumbered(loop_.trackingSource);
    return program && program->suppliesPosition;
}

// The position of a program that supplies one: a typed name is first handed to the
// program; otherwise the program's last position stands for its satellite.
void Station::takeProgramPosition() {
    if (loop_.typedSelection) {
        loop_.typedSelection = 0;
        pokeNovaForTypedName();
        return;
    }
    if (ddeLink_->positionIsFor(loop_.selectedSatellite)) loop_.elementsValid = 1;
}

void Station::pokeNovaForTypedName() {
    keplers(loop_.selectedSatellite); // where it is until the program's first answer
    const std::string number =
        elementStore_->catalogueNumberOf(orbit::elementNameOf(loop_.selectedSatellite));
    if (number.empty()) return;
    if (!ddeLink_->pokeNova(number)) return linkLost();
    ddeTimer_.start();
    loop_.trackingSource = dde::kNovaSource;
}

// "DDE Auto Close" YES: a station that follows a program closes with it, through the
// orderly exit (radios closed, box reset). NO: it stays up for manual entry.
void Station::linkLost() {
    if (config_.ddeAutoClose == "YES") exitRoutine();
}

} // namespace orv::station
