// The Icom CI-V radios: set-up, tuning, read-back and close of the transceivers,
// and the IC-R8500, IC-R7000 and IC-R9000 receivers. Several arguments are taken
// by reference and reset, as the dispatch relies on.
#pragma once

#include "core/box_frame.h"
#include "platform/waits.h"
#include "radio/frequency_plan.h"
#include "radio/radio_link.h"
#include "radio/radio_state.h"

#include <functional>
#include <optional>
#include <string>

namespace orv::radio {

struct IcomWiring {
    RadioLink& link;
    RadioState& state;
    const FrequencyPlan& plan;
    const core::BoxReply& reply;
    platform::Waits& waits;
};

struct IcomHooks {
    std::function<void()> ins;
    std::function<void(double readingMHz)> adjust_read;
    std::function<void()> releaseInhibits; // the inhibit labels' click handlers
    std::function<std::optional<int>()> memoryChannel;
};

class IcomFamily {
public:
    IcomFamily(IcomWiring wiring, IcomHooks hooks);

    void init_icom(int main_sub, int& full_duplex, int& mdx, int& vfo, int& splits, int& satrig,
                   int transfer);
    void Icom(const std::string& Data, int& mdc, int& main_subr, int& full_duplex, int& vfo,
              int& idr, int& satrig);
    void readback_icom_rx(int idreadrx, int main_subrx, int full_duplex, int vfo, int satrig);
    void icom_close(int transfer);
    void init8500(int transfer);
    void R8500();
    void init_R9000(const std::string& para4, int transfer);

private:
    void send(int transfer, uint8_t address, uint8_t command, std::vector<uint8_t> data = {});
    bool inhibited(int directionIndex) const;
    void readReply(uint8_t address);

    IcomWiring wiring_;
    IcomHooks hooks_;
};

} // namespace orv::radio
