// The two external control (ECP) outputs: the value the box is sent for an ECP
// code and sense, and the red/black image pairs that show each output.
#pragma once

#include "core/panel.h"

namespace orv::rotator {

inline constexpr int kEcpCodes = 4; // two outputs, four combinations

// What goes to the box: the code with sense "+" (0), each bit inverted with sense "-" (3).
int ecpValueFor(int code, int sense);

// The code after one more image click: the four combinations in turn.
int nextEcpCode(int code);

// `switch`: bit value 2 is output 1 and bit value 1 is output 0; a set bit shows the
// output's red image, a clear bit its black one.
void ecpSwitch(core::Panel& panel, int value);

// Swaps one output's pair of images at once (after a click on either of them).
void swapEcpImages(core::Panel& panel, int output);

// The image names of an output and which output an image belongs to (-1: none).
const char* ecpBlackImage(int output);
const char* ecpRedImage(int output);
int ecpOutputOfImage(const std::string& image);

} // namespace orv::rotator
