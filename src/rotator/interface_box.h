// The interface box driver: everything the station does to the hardware goes
// through outs (send BoxFrame) and ins (read into BoxReply), on the parallel box
// (variant 3) or the serial box (variant 4). It also owns the hardware reset,
// the fall into demonstration mode, and the ECP outputs.
#pragma once

#include "core/box_frame.h"
#include "core/configuration.h"
#include "core/panel.h"
#include "core/station_state.h"
#include "platform/dialogs.h"
#include "platform/port_io.h"
#include "platform/serial_line.h"
#include "platform/waits.h"
#include "rotator/parallel_port_link.h"
#include "rotator/serial_wire.h"

#include <functional>
#include <optional>
#include <string>

namespace orv::rotator {

// Where the two rotators stand, in counts.
struct RotatorCounts {
    int azimuth = 0;
    int elevation = 0;
};

// The driver's own state; variant, demonstration flag and hardware-missing flag
// are the station's start-up state, which the driver shares.
struct InterfaceBoxState {
    std::string statusText;
    int lptBase = 0x378, lptStatus = 0x379, lptControl = 0x37A;
    int outputBit5 = 0;
    int lptMissCount = 0;
    int serialSendBusy = 0, serialReadBusy = 0;
    int serialMissCount = 0;
    int boxResetCount = 0;
    int radioSetupDone = 0;  // set by the radio set-up
    int prePositionMode = 0; // set after a serial box reset; read by the rotator drive
    int azReadingHigh = 0, azReadingLow = 0, elReadingHigh = 0, elReadingLow = 0;
    int ecpCode = 0;
    int ecpSense = 0;
    int ecpValue = 0;
    int ecpClickPending = 0; // the next tick shows and sends the ECP value
    int azLedFlag = 0, elLedFlag = 0;
    std::string faultText;

    bool present = false;    // the last exchange found the box answering
    bool readingBad = false; // the last position reply had a count outside 0..1023
    std::optional<RotatorCounts> lastValidPosition; // of the last reply that passed
    int refusedFrames = 0;                          // frames not sent because a slot held no byte
};

// What the driver works on; all owned by the station.
struct InterfaceBoxLinks {
    const core::ConfigValues& config;
    core::StartupState& startup;
    core::BoxFrame& frame;
    core::BoxReply& reply;
    const core::RadioLinkTiming& radioLink;
    core::Panel& panel;
    platform::Waits& waits;
    platform::Dialogs& dialogs;
    platform::SerialLine& serialLine;
    platform::PortIo& portIo;
};

struct InterfaceBoxHooks {
    // A serial box reset restarts the main-loop timer at this interval.
    std::function<void(int intervalMs)> restartLoopTimer;
};

class InterfaceBox {
public:
    InterfaceBox(InterfaceBoxLinks links, InterfaceBoxHooks hooks, ParallelTiming timing = {});
    ~InterfaceBox();
    InterfaceBox(const InterfaceBox&) = delete;
    InterfaceBox& operator=(const InterfaceBox&) = delete;

    // Binds the panel gestures of the box: reset, ECP images, LEDs, the reply hint.
    void bindGestures();

    // Start-up. Variant 3: the register addresses and the level of data bit 5
    // (false and a message shown when the ports are refused). Variant 4: opens the
    // serial line and resets the box.
    bool startParallelPort();
    platform::SerialOpenResult openSerialPort();

    void outs();
    void ins();
    void out3();
    void in3();
    void out4();
    void in4();
    void MSCOMM1_ONCOMM(int commEvent);
    // Stores the bytes of one serial reply in slots 1 onward and acts on them.
    void storeSerialReply(const std::vector<uint8_t>& bytes);
    void hrdw_reset_Click();
    void bad_ads();
    void demo_mode();

    // ECP outputs.
    void setEcpCode(int code);
    void recomputeEcpValue();
    void ecpImageClick(int output);
    // Main-loop part: shows the ECP value; after an image click also sends it.
    void serviceEcpOutputs();

    InterfaceBoxState& state() { return state_; }
    const InterfaceBoxState& state() const { return state_; }
    int variant() const { return links_.startup.variant; }
    bool demo() const { return links_.startup.demo != 0; }
    int azimuthCount() const { return state_.azReadingHigh * 256 + state_.azReadingLow; }
    int elevationCount() const { return state_.elReadingHigh * 256 + state_.elReadingLow; }
    // The latest position reply lies on the travel: both counts 0 to 1023.
    bool readingValid() const { return !state_.readingBad; }
    // Where the rotators stood at the last reply that passed; nothing before the first.
    // Everything that holds a rotator where it is takes its target from here.
    const std::optional<RotatorCounts>& lastValidPosition() const {
        return state_.lastValidPosition;
    }
    // "present", "absent", "bad_reply" (it answered with a position off the travel) or "demo".
    std::string presenceWord() const;

private:
    bool refuseUnsendable(int firstSlot, int lastSlot);
    void stampDeadbands();
    void clearParallelOneShots();
    void countParallelStall(int missCountBefore);
    void presenceTest();
    void noteReading();
    void setElevationSwitch(bool on);

    InterfaceBoxLinks links_;
    InterfaceBoxHooks hooks_;
    InterfaceBoxState state_;
    ParallelPortLink parallel_;
    ReplyNibbles nibbles_{};
    SerialReplyAssembler assembler_;
    bool freshReply_ = false; // a reply arrived since the last request
};

} // namespace orv::rotator
