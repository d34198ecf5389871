// The records every unit shares with the interface box: the frame the station
// sends (BoxFrame), the bytes the box returns (BoxReply), and the radio-link
// figures the box driver needs for its wait after each frame.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

namespace orv::core {

inline constexpr int kBoxSlots = 201; // slots 0 to 200

// The frame sent to the box. Slots hold numbers, not bytes, so that a value
// outside 0..255 is caught before it reaches the wire instead of wrapping.
struct BoxFrame {
    std::array<int, kBoxSlots> values{};
    int& operator[](int slot) { return values.at(static_cast<size_t>(slot)); }
    int operator[](int slot) const { return values.at(static_cast<size_t>(slot)); }
};

// How a variant's reply reads as text: the parallel box keeps two upper-case
// hexadecimal digits per slot, the serial box the byte's number.
enum class ReplyForm { HexText, Number };

// The bytes the box returned, slot 1 onward; a slot stays empty until the box reports it.
class BoxReply {
public:
    explicit BoxReply(ReplyForm form = ReplyForm::Number) : form_(form) { clear(); }

    void setForm(ReplyForm form) { form_ = form; }
    ReplyForm form() const { return form_; }
    bool has(int slot) const { return bytes_.at(static_cast<size_t>(slot)) >= 0; }
    // The byte in `slot`; 0 when it is empty.
    int value(int slot) const { return has(slot) ? bytes_[static_cast<size_t>(slot)] : 0; }
    // The slot as its variant keeps it: "0A" or "10"; empty when nothing was reported.
    std::string text(int slot) const {
        if (!has(slot)) return {};
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, form_ == ReplyForm::HexText ? "%02X" : "%d",
                      value(slot));
        return buffer;
    }
    void set(int slot, uint8_t byte) { bytes_.at(static_cast<size_t>(slot)) = byte; }
    void clear() { bytes_.fill(-1); }

private:
    ReplyForm form_;
    std::array<int16_t, kBoxSlots> bytes_{};
};

// What the radio link layer last did, which sets the wait after every frame.
struct RadioLinkTiming {
    int lastTransfer = 0;       // 1 uplink, 2 downlink, 3 downlink read; 0 before any
    double transmissionMs = 0;  // the last radio command's time on the wire
    double uplinkDelayMs = 0;   // the record's uplink radio delay
    double downlinkDelayMs = 0; // the record's downlink radio delay
    double extraCatDelayMs = 0; // 50 while an FT-847 is the uplink radio, else 0
};

} // namespace orv::core
