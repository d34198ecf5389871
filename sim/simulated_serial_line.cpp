#include "sim/simulated_serial_line.h"

#include "sim/serial_frames.h"

#include <QTimer>

namespace orv::sim {

namespace {
constexpr int kBoxBaud = 115200;
}

platform::SerialOpenResult SimulatedSerialLine::open(const std::string& portEntry,
                                                     const platform::SerialSettings& settings) {
    platform::SerialOpenResult result;
    const auto device = platform::serialDevicePath(portEntry);
    if (!device) {
        result.reason =
            "\"" + portEntry + "\" is neither a port number from 1 up nor a device path";
        return result;
    }
    result.device = *device;
    result.outcome = platform::SerialOpenOutcome::Opened;
    open_ = true;
    baudMismatch_ = settings.baud != kBoxBaud;
    box_.log("serial line " + *device + " opened at " + std::to_string(settings.baud) + " Bd" +
             (baudMismatch_ ? " (the box listens at 115200 Bd: it hears nothing)" : ""));
    return result;
}

void SimulatedSerialLine::setDtr(bool on) {
    if (!open_) return;
    const bool was = dtr_;
    dtr_ = on;
    linesChanged(was, rts_);
}

void SimulatedSerialLine::setRts(bool on) {
    if (!open_) return;
    const bool was = rts_;
    rts_ = on;
    linesChanged(dtr_, was);
}

void SimulatedSerialLine::linesChanged(bool dtrWas, bool rtsWas) {
    if (dtr_ && rts_ && !resetHeld_) {
        resetHeld_ = true;
        expectingFrame_ = false;
        if (box_.answers()) box_.lineReset();
        return;
    }
    if (resetHeld_) {
        if (!dtr_ && !rts_) resetHeld_ = false;
        return;
    }
    if (dtrWas && !dtr_) { // a DTR pulse: a frame follows
        expectingFrame_ = true;
        frameBytes_ = 0;
    }
    if (rtsWas && !rts_) answerRequest();
}

void SimulatedSerialLine::answerRequest() {
    if (baudMismatch_ || !box_.answers()) return;
    std::vector<uint8_t> reply(kSerialReplyLength);
    if (box_.fault() == FaultKind::Garbled) {
        std::uniform_int_distribution<int> byte(0, 255);
        for (auto& b : reply)
            b = static_cast<uint8_t>(byte(box_.random()));
    } else {
        const auto bytes = serialReply(box_.report());
        reply.assign(bytes.begin(), bytes.end());
    }
    input_.append(reply);
    QTimer::singleShot(0, &context_, [this] { bytesArrived(); });
}

void SimulatedSerialLine::write(const std::vector<uint8_t>& bytes) {
    if (!open_ || baudMismatch_) return;
    for (const uint8_t byte : bytes) {
        if (!expectingFrame_) continue; // bytes outside a frame mean nothing to the box
        frame_[frameBytes_++] = byte;
        if (frameBytes_ == frame_.size()) frameComplete();
    }
}

void SimulatedSerialLine::frameComplete() {
    expectingFrame_ = false;
    frameBytes_ = 0;
    if (!box_.answers()) return;
    std::string problem;
    if (const auto command = decodeSerialFrame(frame_, problem))
        box_.frame(*command);
    else
        box_.frameRefused(problem);
}

} // namespace orv::sim
