// A rotator drive on a simulated box of either variant (or on a silent serial line),
// with the station state it shares built from the default configuration.
#pragma once

#include "box_fixture.h"
#include "rotator/azimuth_mapping.h"
#include "rotator/rotator_drive.h"
#include "sim/simulated_hardware.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <memory>

namespace orv::test {

struct DriveFixture {
    // The rotators' clock: with `rate` above 0, every wait of the drive lets twenty times its
    // length pass and real time runs `rate` times as fast; with 0 the clock stands still.
    // A simulated `fault` starts once `faultSeconds` reaches its start time.
    DriveFixture(int variant, double rate, rotator::RotatorTiming timing = {},
                 bool simulated = true, sim::FaultPlan fault = {})
        : config(defaultConfig(variant)) {
        startup.variant = variant;
        loop.selectedSatellite = "AO-7";
        loop.elementsValid = 1;
        if (simulated) {
            elapsed.start();
            sim::SimulatedBoxOptions options;
            options.clockSeconds = [this, rate] {
                return rate > 0 ? (waitedMs * 20 + rate * double(elapsed.elapsed())) / 1000.0 : 0;
            };
            options.runSeconds = [this] { return faultSeconds; };
            options.fault = fault;
            hardware = std::make_unique<sim::SimulatedHardware>(std::move(options));
            hardware->configure(0x378, config.azRotatorFormat);
            hardware->box().onFrame(
                [this](const sim::BoxCommand& command) { framesSeen.push_back(command.rotators); });
        }
        waits.onWait = [this](int ms) {
            waitedMs += ms;
            QCoreApplication::processEvents();
        };
        rotator::InterfaceBoxHooks boxHooks;
        platform::SerialLine& line =
            hardware ? static_cast<platform::SerialLine&>(hardware->serialLine()) : silentLine;
        platform::PortIo& ports =
            hardware ? static_cast<platform::PortIo&>(hardware->portIo()) : silentPorts;
        rotator::ParallelTiming parallelTiming;
        parallelTiming.shortSettle = parallelTiming.longSettle = std::chrono::nanoseconds(0);
        box = std::make_unique<rotator::InterfaceBox>(
            rotator::InterfaceBoxLinks{config, startup, frame, reply, link, panel, waits, dialogs,
                                       line, ports},
            boxHooks, parallelTiming);
        box->bindGestures();
        if (variant == 3)
            box->startParallelPort();
        else
            box->openSerialPort();
        box->state().prePositionMode = 0;
        panel.setValue("ch_az", 1);
        panel.setValue("ch_el", 1);
        makeDrive(timing);
    }

    void makeDrive(rotator::RotatorTiming timing) {
        rotator::RotatorDriveHooks hooks;
        hooks.setLoopTimerEnabled = [this](bool on) { loopTimerEnabled.push_back(on); };
        hooks.inhibitRadios = [this] { ++radioInhibits; };
        hooks.releaseRadios = [this] { ++radioReleases; };
        hooks.shutDownRadios = [this] { ++radioShutdowns; };
        hooks.errorMessage = [this](int n) { messages.push_back(n); };
        hooks.timeRoutines = [this] {
            tracking.dayNumber = 9000;
            tracking.dayFraction = 0.5;
        };
        hooks.predictSelected = [this] {
            ++predictions;
            if (!predict) return;
            const double seconds = (tracking.dayFraction - 0.5) * 86400;
            if (const auto look = predict(seconds + 1e-6)) {
                tracking.predictAzimuth = look->azimuth;
                tracking.predictElevation = look->elevation;
            }
        };
        drive = std::make_unique<rotator::RotatorDrive>(
            rotator::RotatorDriveLinks{config, startup, loop, tracking, frame, reply, panel, waits,
                                       *box},
            hooks, timing);
        drive->bindGestures();
        drive->scales();
    }

    // One tick's share of the drive: read, work out the angles, move.
    void tick(double azimuth, double elevation) {
        tracking.azimuth = azimuth;
        tracking.elevation = elevation;
        drive->antenna_status();
        drive->track_antennas();
    }
    // Ticks until the rotators have settled on the present target (or `limit` ticks).
    void settle(double azimuth, double elevation, int limit = 400) {
        for (int i = 0; i < limit; ++i) {
            tick(azimuth, elevation);
            QCoreApplication::processEvents();
        }
    }
    int azCount() const { return hardware->box().azimuth().count(); }
    int elCount() const { return hardware->box().elevation().count(); }

    QElapsedTimer elapsed;
    double waitedMs = 0;
    double faultSeconds = 0;
    std::vector<sim::RotatorCommand> framesSeen; // every frame the simulated box took
    core::ConfigValues config;
    core::StartupState startup;
    core::LoopState loop;
    core::TrackingState tracking;
    core::BoxFrame frame;
    core::BoxReply reply;
    core::RadioLinkTiming link;
    core::Panel panel;
    platform::RecordingWaits waits;
    platform::ScriptedDialogs dialogs;
    platform::FakeSerialLine silentLine;
    platform::FakePortIo silentPorts;
    std::unique_ptr<sim::SimulatedHardware> hardware;
    std::unique_ptr<rotator::InterfaceBox> box;
    std::unique_ptr<rotator::RotatorDrive> drive;
    rotator::PredictAt predict;
    std::vector<bool> loopTimerEnabled;
    std::vector<int> messages;
    int radioInhibits = 0, radioReleases = 0, radioShutdowns = 0, predictions = 0;
};

} // namespace orv::test
