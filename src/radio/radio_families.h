// The family drivers of the radio subsystem, one per unit, and the lookup from a
// model's family to its driver. A new family adds its unit here and its rows to
// the model list; the dispatch does not change.
#pragma once

#include "radio/family_driver.h"
#include "radio/ic910_family.h"
#include "radio/icom_family.h"
#include "radio/kenwood_family.h"
#include "radio/pcr_aor_family.h"
#include "radio/yaesu_family.h"

namespace orv::radio {

// The driver of "no radio" (number 0, 20 and anything outside the list): it does nothing.
class NoRadio final : public FamilyDriver {
public:
    void setUpUplink(const RadioOnLink&) override {}
    void setUpDownlink(const RadioOnLink&) override {}
    void tuneUplink(const RadioOnLink&) override {}
    void tuneDownlink(const RadioOnLink&) override {}
    void readBackDownlink(const RadioOnLink&) override {}
    void closeUplink(const RadioOnLink&) override {}
    void closeDownlink(const RadioOnLink&) override {}
};

class RadioFamilies {
public:
    RadioFamilies(const FamilyWiring& wiring, const FamilyHooks& hooks);
    RadioFamilies(const RadioFamilies&) = delete;
    RadioFamilies& operator=(const RadioFamilies&) = delete;

    FamilyDriver& driverFor(RadioFamily family);

    IcomFamily& icom() { return icom_; }
    Ic910Family& ic910() { return ic910_; }
    KenwoodFamily& kenwood() { return kenwood_; }
    YaesuFamily& yaesu() { return yaesu_; }
    PcrAorFamily& pcrAor() { return pcrAor_; }

private:
    NoRadio none_;
    IcomFamily icom_;
    Ic910Family ic910_;
    KenwoodFamily kenwood_;
    YaesuFamily yaesu_;
    PcrAorFamily pcrAor_;
};

} // namespace orv::radio
