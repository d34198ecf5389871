// The mode texts the satellite editor offers for a radio, by its command family: the
// words the family's encoder knows (any other text is sent as the family's default,
// mostly FM). The PCR-1000 takes a mode and a filter joined by a comma, the AOR
// receivers a list of their own commands, so theirs are examples to start from.
#pragma once

#include "radio/radio_model.h"

#include <span>
#include <string_view>

namespace orv::radio {

std::span<const std::string_view> modeChoices(RadioFamily family);

} // namespace orv::radio
