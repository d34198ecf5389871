// The Icom CI-V radios: set-up, tuning, read-back and close of the transceivers,
// and the IC-R8500, IC-R7000 and IC-R9000 receivers. Several arguments of the
// CI-V routines are taken by reference and reset, as their callers rely on.
#pragma once

#include "radio/family_driver.h"

#include <string>

namespace orv::radio {

class IcomFamily final : public FamilyDriver {
public:
    IcomFamily(FamilyWiring wiring, FamilyHooks hooks);

    void setUpUplink(const RadioOnLink& radio) override;
    void setUpDownlink(const RadioOnLink& radio) override;
    void tuneUplink(const RadioOnLink& radio) override;
    void tuneDownlink(const RadioOnLink& radio) override;
    void readBackDownlink(const RadioOnLink& radio) override;
    void closeUplink(const RadioOnLink& radio) override;
    void closeDownlink(const RadioOnLink& radio) override;

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
    void setUpTransceiver(const RadioModel& model, int mainSub, int transfer);
    void tuneTransceiver(const RadioModel& model, int directionIndex, int mainSub);
    void send(int transfer, uint8_t address, uint8_t command, std::vector<uint8_t> data = {});
    bool inhibited(int directionIndex) const;
    void readReply(uint8_t address);

    FamilyWiring wiring_;
    FamilyHooks hooks_;
};

} // namespace orv::radio
