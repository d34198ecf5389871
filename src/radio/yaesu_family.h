// The Yaesu radios, all on five-byte CAT frames: the FT-847 and FT-736R
// satellite transceivers (one radio may carry both links, receiving and
// transmitting on its satellite VFOs), the FT-757, FT-100 and FT-1000, and the
// VR-5000 receiver. What each model's frames hold is in yaesu_frames.h; the
// FT-847 and FT-736R routines are in yaesu_family.cpp, the others in
// yaesu_other_models.cpp.
#pragma once

#include "radio/family_driver.h"
#include "radio/yaesu_frames.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace orv::radio {

class YaesuFamily final : public FamilyDriver {
public:
    YaesuFamily(FamilyWiring wiring, FamilyHooks hooks);

    void setUpUplink(const RadioOnLink& radio) override;
    void setUpDownlink(const RadioOnLink& radio) override;
    void tuneUplink(const RadioOnLink& radio) override;
    void tuneDownlink(const RadioOnLink& radio) override;
    void readBackDownlink(const RadioOnLink& radio) override;
    void closeUplink(const RadioOnLink& radio) override;
    void closeDownlink(const RadioOnLink& radio) override;

    // FT-847.
    void init_847_up(int transfer);
    void init_847_down(int transfer);
    void ft847_tx(int transfer);
    void FT847_rx(int transfer);
    void readback_847();
    // FT-736R.
    void init_736_up(int transfer);
    void init_736_down(int transfer);
    void ft736_tx(int transfer);
    void FT736_rx(int transfer);
    // FT-757: a downlink set-up; tuned on either link.
    void init_757(int transfer);
    void FT757_tx(int transfer);
    void FT757_rx(int transfer);
    // FT-100.
    void init_ft100(int transfer);
    void ft_100_tx(int transfer);
    void ft_100_rx(int transfer);
    // FT-1000: a downlink radio.
    void init_FT1000(int transfer);
    void ft1000(int transfer);
    void readback_FT1000();
    // VR-5000 receiver.
    void init_vr5000(int transfer);
    void vr5000(int transfer);
    // The close of the FT-847, FT-736R and FT-100 on the link of `transfer`.
    void yaesu_close(int transfer);

private:
    void send(int transfer, const std::vector<uint8_t>& frame);
    // One radio carries both links (the record names the same number twice).
    bool sameRadio() const;
    bool inhibited(int transfer) const;
    const RadioModel& modelOf(int transfer) const;
    // Sends the frequency frame of the link being tuned; a text the model's encoder
    // refused (nothing in `bytes`) goes to the link's refusal instead.
    void sendFrequency(int transfer, uint8_t opcode, const std::optional<yaesu::Parameters>& bytes,
                       const char* model);
    void sendFt847Tones(int transfer, bool uplink);
    // Sends a read command and hands the frequency the radio answers to adjust_read
    // when it lies in the downlink's band.
    using ReplyDecoder = std::optional<double> (*)(const std::vector<std::optional<uint8_t>>&);
    void readDial(const std::vector<uint8_t>& command, int replyLength, ReplyDecoder decode);
    void closeFt847(int transfer);
    void closeFt736(int transfer);

    FamilyWiring wiring_;
    FamilyHooks hooks_;
};

} // namespace orv::radio
