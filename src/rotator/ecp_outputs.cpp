#include "rotator/ecp_outputs.h"

#include <cstdlib>

namespace orv::rotator {

namespace {
struct ImagePair {
    const char* black;
    const char* red;
};
constexpr ImagePair kImages[] = {{"img_Ecp0Black", "img_Ecp0Red"},
                                 {"img_Ecp1Black", "img_Ecp1Red"}};
constexpr int kOutputBit[] = {1, 2};
} // namespace

int ecpValueFor(int code, int sense) {
    return std::abs(code - sense);
}

int nextEcpCode(int code) {
    return ((code + 1) % kEcpCodes + kEcpCodes) % kEcpCodes;
}

const char* ecpBlackImage(int output) {
    return kImages[output].black;
}
const char* ecpRedImage(int output) {
    return kImages[output].red;
}

int ecpOutputOfImage(const std::string& image) {
    for (int output = 0; output < 2; ++output)
        if (image == kImages[output].black || image == kImages[output].red) return output;
    return -1;
}

void ecpSwitch(core::Panel& panel, int value) {
    for (int output = 0; output < 2; ++output) {
        const bool on = (value & kOutputBit[output]) != 0;
        panel.setVisible(kImages[output].red, on);
        panel.setVisible(kImages[output].black, !on);
    }
}

void swapEcpImages(core::Panel& panel, int output) {
    const bool redShown = panel.visible(kImages[output].red);
    panel.setVisible(kImages[output].red, !redShown);
    panel.setVisible(kImages[output].black, redShown);
}

} // namespace orv::rotator
