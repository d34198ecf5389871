// The radios' read-back replies as the box returns them, some bytes perhaps not
// reported: every family's decoder gives a dial the station can use, or nothing.
#include "fuzz_input.h"
#include "radio/civ_frames.h"
#include "radio/ic910_frames.h"
#include "radio/kenwood_texts.h"
#include "radio/reply_bytes.h"
#include "radio/yaesu_frames.h"

#include <cmath>

using namespace orv;

namespace {

using AnswerBytes = std::vector<std::optional<uint8_t>>;

// The first input byte is a mask: bit k set leaves byte k (k < 8) unreported.
AnswerBytes answerBytes(fuzz::FuzzInput& input) {
    const uint8_t holes = input.byte();
    AnswerBytes bytes;
    for (int k = 0; !input.empty(); ++k) {
        const uint8_t byte = input.byte();
        if (k < 8 && (holes >> k & 1))
            bytes.emplace_back(std::nullopt);
        else
            bytes.emplace_back(byte);
    }
    return bytes;
}

// A dial within what the reply's digits can say (and the 1 Hz the decoders add).
void checkDial(const std::optional<double>& mhz, double limitMHz, const char* what) {
    if (mhz) fuzz::check(std::isfinite(*mhz) && *mhz >= 0 && *mhz <= limitMHz, what);
}

// The same bytes as the box's reply of a variant hands them to the radio drivers.
AnswerBytes throughTheBox(const AnswerBytes& bytes, int variant) {
    core::BoxReply reply(variant == 3 ? core::ReplyForm::HexText : core::ReplyForm::Number);
    const int first = variant == 3 ? 1 : 9;
    for (size_t k = 0; k < bytes.size() && first + k < core::kBoxSlots; ++k)
        if (bytes[k]) reply.set(first + static_cast<int>(k), *bytes[k]);
    return radio::radioReplyBytes(reply, variant, static_cast<int>(bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput input(data, size);
    const AnswerBytes sent = answerBytes(input);
    for (const int variant : {3, 4}) {
        const AnswerBytes bytes = throughTheBox(sent, variant);
        const size_t reach = variant == 3 ? core::kBoxSlots - 1 : core::kBoxSlots - 9;
        fuzz::check(bytes.size() == std::min(sent.size(), reach), "the box keeps every byte");
        for (size_t k = 0; k < bytes.size(); ++k)
            fuzz::check(bytes[k] == sent[k], "the box hands the bytes on as they came");

        // Ten BCD digits of Hz; eleven decimal digits; eight BCD digits of 10 Hz; a
        // 24-bit count of 10 Hz.
        checkDial(radio::civFrequencyReplyMHz(bytes), 1e4, "CI-V dial");
        checkDial(radio::kenwood::frequencyReplyMHz(bytes), 1e5, "Kenwood dial");
        checkDial(radio::yaesu::ft847ReplyMHz(bytes), 1e3, "FT-847 dial");
        checkDial(radio::yaesu::ft1000ReplyMHz(bytes), 168, "FT-1000 dial");
        if (const auto band = radio::ic910::mainBandCode(bytes))
            fuzz::check(*band >= 0 && *band <= 99, "IC-910 band of two BCD digits");
    }
    return 0;
}
