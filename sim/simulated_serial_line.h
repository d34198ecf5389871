// The serial line to the simulated serial box, in-process: a DTR pulse opens a
// frame of 38 bytes, an RTS pulse asks for a reply, both lines together reset the
// box. Replies arrive from the event loop, as they would from a real port.
#pragma once

#include "platform/serial_line.h"
#include "sim/simulated_box.h"

#include <QObject>
#include <array>

namespace orv::sim {

class SimulatedSerialLine final : public platform::SerialLine {
public:
    explicit SimulatedSerialLine(SimulatedBox& box) : box_(box) {}

    platform::SerialOpenResult open(const std::string& portEntry,
                                    const platform::SerialSettings& settings) override;
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    void setDtr(bool on) override;
    void setRts(bool on) override;
    void write(const std::vector<uint8_t>& bytes) override;
    size_t bytesAvailable() const override { return input_.size(); }
    std::vector<uint8_t> read(size_t maxBytes) override { return input_.take(maxBytes); }
    void discardInput() override { input_.clear(); }

private:
    void linesChanged(bool dtrWas, bool rtsWas);
    void answerRequest();
    void frameComplete();

    SimulatedBox& box_;
    QObject context_; // receive events are queued on it
    bool open_ = false;
    bool dtr_ = false, rts_ = false;
    bool resetHeld_ = false; // both lines were high: their release is no pulse
    bool expectingFrame_ = false;
    bool baudMismatch_ = false;
    std::array<uint8_t, 38> frame_{};
    size_t frameBytes_ = 0;
    platform::ReceivedBytes input_;
};

} // namespace orv::sim
