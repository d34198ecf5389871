#include "rotator/interface_box.h"

#include "rotator/box_messages.h"
#include "rotator/drive_arithmetic.h"
#include "rotator/drive_slots.h"
#include "rotator/ecp_outputs.h"
#include "rotator/frame_check.h"

#include <cstdio>

namespace orv::rotator {

namespace {

constexpr const char* kLedGestures[][2] = {
    {"grnled", "az"}, {"redled", "az"}, {"grnled1", "el"}, {"redled1", "el"}};

} // namespace

InterfaceBox::InterfaceBox(InterfaceBoxLinks links, InterfaceBoxHooks hooks, ParallelTiming timing)
    : links_(links), hooks_(std::move(hooks)), parallel_(links.portIo, timing) {
    links_.serialLine.onEvent([this](int commEvent) {
        try {
            MSCOMM1_ONCOMM(commEvent);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "orv_kite: serial receive failed: %s\n", error.what());
        }
    });
}

// The line outlives a driver that a test or the station replaces.
InterfaceBox::~InterfaceBox() {
    links_.serialLine.onEvent(nullptr);
}

void InterfaceBox::bindGestures() {
    auto& panel = links_.panel;
    panel.bind("hrdw_reset", core::Gesture::Click, [this](int) { hrdw_reset_Click(); });
    for (int output = 0; output < 2; ++output) {
        panel.bind(ecpBlackImage(output), core::Gesture::Click,
                   [this, output](int) { ecpImageClick(output); });
        panel.bind(ecpRedImage(output), core::Gesture::Click,
                   [this, output](int) { ecpImageClick(output); });
    }
    for (const auto& led : kLedGestures) {
        const bool azimuth = std::string(led[1]) == "az";
        panel.bind(led[0], core::Gesture::DblClick,
                   [this, azimuth](int) { (azimuth ? state_.azLedFlag : state_.elLedFlag) = 1; });
    }
    panel.bind("Label4", core::Gesture::Click,
               [&panel](int) { panel.setVisible("Label4", false); });
    panel.setVisible("lbl_azctrl", false);
    panel.setVisible("grnled", false);
    panel.setVisible("grnled1", false);
    ecpSwitch(panel, state_.ecpValue);
}

void InterfaceBox::outs() {
    if (demo()) return;
    if (variant() == 3)
        out3();
    else
        out4();
}

void InterfaceBox::ins() {
    if (demo()) return;
    if (variant() == 3)
        in3();
    else
        in4();
}

bool InterfaceBox::refuseUnsendable(int firstSlot, int lastSlot) {
    const auto fault = firstSlotOutOfByteRange(links_.frame, firstSlot, lastSlot);
    if (!fault) return false;
    const std::string text = refusedFrameText(*fault);
    if (state_.refusedFrames++ == 0) std::fprintf(stderr, "orv_kite: %s\n", text.c_str());
    links_.panel.setCaption("lbl_azctrl", text);
    links_.panel.setVisible("lbl_azctrl", true);
    return true;
}

// The box closes the position loop within the deadbands of the frame it last took,
// so every frame carries them, whatever else it is for.
void InterfaceBox::stampDeadbands() {
    auto& frame = links_.frame;
    const bool parallel = variant() == 3;
    frame[parallel ? parallel_slots::kAzDeadband : serial_slots::kAzDeadband] =
        links_.config.azDeadband;
    frame[parallel ? parallel_slots::kElDeadband : serial_slots::kElDeadband] =
        links_.config.elDeadband;
}

void InterfaceBox::hrdw_reset_Click() {
    if (demo()) return;
    if (variant() == 3) {
        parallel_.reset();
        links_.waits.timerx(200);
        return;
    }
    links_.serialLine.setRts(true);
    links_.serialLine.setDtr(true);
    links_.waits.timerx(10);
    links_.serialLine.setRts(false);
    links_.serialLine.setDtr(false);
    state_.prePositionMode = 1;
    if (hooks_.restartLoopTimer) hooks_.restartLoopTimer(3);
}

void InterfaceBox::bad_ads() {
    state_.faultText = parallelPortFaultText();
    platform::DialogRequest request;
    request.text = state_.faultText;
    links_.dialogs.show(request);
    links_.panel.setCaption("lbl_azctrl", "No Printer Port or Hardware");
    links_.panel.setVisible("lbl_azctrl", true);
    demo_mode();
}

void InterfaceBox::demo_mode() {
    links_.startup.demo = 1;
    links_.startup.hardwareAbsent = 1;
    state_.statusText = "DEMO MODE";
    state_.present = false;
    links_.panel.setCaption("lbl_extcontrolport", state_.statusText);
}

std::string InterfaceBox::presenceWord() const {
    if (demo()) return "demo";
    if (!state_.present) return "absent";
    return state_.readingBad ? "bad_reply" : "present";
}

// Checks the position just read: a count off the travel is a garbled reply. The
// panel says so and keeps the last valid position.
void InterfaceBox::noteReading() {
    const int az = azimuthCount();
    const int el = elevationCount();
    state_.readingBad = !onTravel(az) || !onTravel(el);
    auto& panel = links_.panel;
    if (state_.readingBad) {
        panel.setCaption("lbl_azctrl", kBadPositionText);
        panel.setVisible("lbl_azctrl", true);
        return;
    }
    state_.lastValidPosition = RotatorCounts{az, el};
    if (panel.caption("lbl_azctrl") == kBadPositionText) {
        panel.setVisible("lbl_azctrl", false);
        panel.setCaption("lbl_azctrl", "");
    }
}

// ---- ECP outputs ----

void InterfaceBox::recomputeEcpValue() {
    state_.ecpSense = links_.config.outputSense;
    state_.ecpValue = ecpValueFor(state_.ecpCode, state_.ecpSense);
}

void InterfaceBox::setEcpCode(int code) {
    state_.ecpCode = code;
    recomputeEcpValue();
}

void InterfaceBox::ecpImageClick(int output) {
    state_.ecpCode = nextEcpCode(state_.ecpCode);
    recomputeEcpValue();
    swapEcpImages(links_.panel, output);
    state_.ecpClickPending = 1;
}

void InterfaceBox::serviceEcpOutputs() {
    ecpSwitch(links_.panel, state_.ecpValue);
    if (!state_.ecpClickPending) return;
    state_.ecpClickPending = 0;
    // The serial box takes the outputs from slot 38; without a radio command in
    // between the click would otherwise not reach it.
    if (variant() != 3) links_.frame[38] = state_.ecpValue;
    outs();
}

} // namespace orv::rotator
