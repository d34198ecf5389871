// A station on the simulated box whose tracking programs are stand-ins served in
// the test's own event loop, on local sockets in a directory of the test's own.
#pragma once

#include "core/satellite_db.h"
#include "core/satellite_record.h"
#include "dde/dde_peer.h"
#include "platform/dde_client.h"
#include "sim/simulated_hardware.h"
#include "test_station.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orv::test {

// The timeout the tests' client waits for an answer.
inline constexpr int kLinkTimeoutMs = 400;

struct PlayedProgram {
    std::string reply;              // the text the program answers with now
    std::vector<std::string> pokes; // what the station poked, in order
    int conversations = 0;          // every conversation the program took part in
    std::unique_ptr<dde::DdePeer> peer;
};

struct LinkedStation {
    explicit LinkedStation(const std::string& ddeService = "YES", int variant = 4)
        : doubles(variant), variant_(variant) {
        doubles.waits.onWait = [](int) { QCoreApplication::processEvents(); };
        station::StationOptions options;
        options.programDir = doubles.programDir;
        options.simulate = true;
        station = std::make_unique<station::Station>(
            *doubles.store,
            station::StationPlatform{doubles.clock, doubles.waits, doubles.dialogs,
                                     doubles.launcher},
            options);
        client = std::make_unique<platform::LocalSocketDdeClient>(directory(), kLinkTimeoutMs);
        station->useDdeClient(*client);
        configure(25, ddeService);
        configure(27, "NO");
        station->satelliteDb().save(core::satelliteTemplate(false, "AO-7"));
    }

    void configure(int key, const std::string& value) {
        auto& configuration = station->configuration();
        if (configuration.isFirstRun(variant_)) configuration.makes_cfg(variant_);
        configuration.write(variant_, key, value);
    }

    std::string directory() const { return socketDir.path().toStdString(); }

    // Serves `application` with `reply` until the test ends or stops it.
    PlayedProgram& play(const std::string& application, std::string reply) {
        auto& played = programs[application];
        played.reply = std::move(reply);
        dde::DdePeer::Hooks hooks;
        hooks.reply = [&played] { return played.reply; };
        hooks.poked = [&played](const std::string& text) { played.pokes.push_back(text); };
        hooks.log = [&played](const std::string&) { ++played.conversations; };
        played.peer =
            std::make_unique<dde::DdePeer>(*dde::ddeSourceServedAs(application), std::move(hooks));
        std::string error;
        EXPECT_TRUE(played.peer->listen(directory(), error)) << error;
        return played;
    }

    void start() {
        station->Form_Load();
        tick(); // the start-up deselection, and the first read of a linked program
    }
    void tick(int count = 1, int stepMs = 50) {
        for (int i = 0; i < count && !station->ended(); ++i) {
            doubles.clock.advanceMs(stepMs);
            station->loop_timer_Timer();
        }
    }
    // The DDE timer expires and the next tick reads the program.
    void poll() {
        station->time_dde_Timer();
        tick();
    }
    void type(const std::string& name) {
        station->panel().setCaption("txt_entre", name);
        station->panel().gesture("txt_entre", core::Gesture::KeyPress, 13);
    }
    std::string status(const std::string& key) const {
        const std::string line = " " + station->statusLine().render() + " ";
        const auto at = line.find(" " + key + "=");
        if (at == std::string::npos) return "(no " + key + ")";
        const auto start = at + key.size() + 2;
        return line.substr(start, line.find(' ', start) - start);
    }
    const core::LoopState& loop() const { return station->loop(); }
    const core::Panel& panel() const { return station->panel(); }

    QTemporaryDir socketDir;
    TestStation doubles;
    std::unique_ptr<station::Station> station;
    std::unique_ptr<platform::LocalSocketDdeClient> client;
    std::map<std::string, PlayedProgram> programs;

private:
    int variant_;
};

} // namespace orv::test
