#include "radio/pcr_aor_family.h"

namespace orv::radio {

PcrAorFamily::PcrAorFamily(FamilyWiring wiring, FamilyHooks hooks)
    : wiring_(wiring), hooks_(std::move(hooks)) {}

bool PcrAorFamily::isPcr1000(const RadioOnLink& radio) {
    return radio.model.family == RadioFamily::Pcr1000;
}

// Receivers: nothing to do as uplink radio.
void PcrAorFamily::setUpUplink(const RadioOnLink& /*radio*/) {}
void PcrAorFamily::tuneUplink(const RadioOnLink& /*radio*/) {}
void PcrAorFamily::closeUplink(const RadioOnLink& /*radio*/) {}

void PcrAorFamily::setUpDownlink(const RadioOnLink& radio) {
    if (isPcr1000(radio))
        init_pcr1000();
    else
        init_ar5000();
}

void PcrAorFamily::tuneDownlink(const RadioOnLink& radio) {
    if (isPcr1000(radio))
        pcr_1000();
    else
        ar5000();
}

// The PCR-1000 has no read-back in the model list; only the AOR receivers come here.
void PcrAorFamily::readBackDownlink(const RadioOnLink& radio) {
    if (!isPcr1000(radio)) readback_ar5000();
}

void PcrAorFamily::closeDownlink(const RadioOnLink& radio) {
    if (isPcr1000(radio))
        pcr1000_close();
    else
        ar_close();
}

} // namespace orv::radio
