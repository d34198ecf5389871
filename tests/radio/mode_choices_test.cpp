// The modes the satellite editor offers for each radio family are words its encoder
// knows: a misspelt choice would be sent as the family's default mode.
#include "radio/civ_frames.h"
#include "radio/kenwood_texts.h"
#include "radio/mode_choices.h"
#include "radio/yaesu_frames.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>

using namespace orv::radio;

namespace {

using Encoding = std::vector<int>;

struct FamilyEncoder {
    RadioFamily family;
    std::function<Encoding(std::string_view)> encode;
    std::set<std::string_view> sentAsTheDefault; // choices the default stands for
};

Encoding icom(std::string_view text) {
    const auto mode = icomModeFilter(text);
    return mode ? Encoding{mode->mode, mode->filter} : Encoding{};
}

} // namespace

TEST(ModeChoices, EveryChoiceIsAWordOfItsFamilysEncoder) {
    const FamilyEncoder encoders[] = {
        {RadioFamily::Icom, icom, {"FMW"}},
        {RadioFamily::Ic910, icom, {"FMW"}},
        {RadioFamily::IcomR8500,
         [](std::string_view t) {
             const auto m = r8500ModeFilter(t);
             return Encoding{m.mode, m.filter};
         },
         {"FM"}},
        {RadioFamily::IcomR9000, [](std::string_view t) { return Encoding{r9000Mode(t)}; }, {"FM"}},
        {RadioFamily::Kenwood,
         [](std::string_view t) {
             const auto c = kenwood::modeCommand(t);
             return Encoding(c.begin(), c.end());
         },
         {"FM"}},
        {RadioFamily::Ft736,
         [](std::string_view t) { return Encoding{yaesu::ft736ModeByte(t)}; },
         {"FM"}},
        {RadioFamily::Ft847,
         [](std::string_view t) { return Encoding{yaesu::ft847ModeByte(t)}; },
         {}},
        {RadioFamily::Ft757,
         [](std::string_view t) { return Encoding{yaesu::ft757ModeByte(t)}; },
         {"FM"}},
        {RadioFamily::Ft100,
         [](std::string_view t) { return Encoding{yaesu::ft100ModeByte(t)}; },
         {"FM"}},
        {RadioFamily::Ft1000,
         [](std::string_view t) { return Encoding{yaesu::ft1000ModeByte(t)}; },
         {"FM"}},
        {RadioFamily::Vr5000,
         [](std::string_view t) {
             const auto m = yaesu::vr5000Mode(t);
             return Encoding{m.mode, m.step};
         },
         {"FM"}},
    };
    for (const auto& encoder : encoders) {
        const auto choices = modeChoices(encoder.family);
        ASSERT_FALSE(choices.empty()) << int(encoder.family);
        EXPECT_EQ(choices.front(), choices.front() == "FM,15KHZ" ? "FM,15KHZ" : "FM")
            << "FM is offered first";
        const Encoding unknown = encoder.encode("NOT A MODE");
        for (const auto choice : choices) {
            if (encoder.sentAsTheDefault.count(choice)) continue;
            EXPECT_NE(encoder.encode(choice), unknown) << int(encoder.family) << " " << choice;
        }
    }
}

TEST(ModeChoices, TheReceiversWithCommandModesOfferEntriesWithACommaAndNoRadioNone) {
    for (const auto family : {RadioFamily::Pcr1000, RadioFamily::Aor})
        for (const auto choice : modeChoices(family))
            EXPECT_NE(choice.find(','), std::string_view::npos) << choice;
    EXPECT_TRUE(modeChoices(RadioFamily::None).empty());
    for (const auto& model : radioModels()) {
        if (model.family == RadioFamily::None) continue;
        EXPECT_FALSE(modeChoices(model.family).empty()) << model.name;
    }
}
