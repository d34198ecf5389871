// The PCR-1000 and AOR receivers through the dispatch: what their set-up, tuning,
// panel controls, read-back and close put into the box frame, and what a
// simulated receiver fed those frames at their baud rates makes of them.
#include "radio/pcr_aor_family.h"
#include "radio_fixture.h"
#include "sim/aor_radio.h"
#include "sim/baud_timing.h"
#include "sim/pcr_radio.h"
#include "sim/radio_port.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace orv;
using namespace orv::test;

namespace {
using Texts = std::vector<std::string>;

constexpr int kPcrPort = 2;

// The downlink at 435.8 MHz on `radio` with the mode field `mode`, an IC-275 uplink.
void receiverRecord(RadioFixture& f, int radio, const char* mode) {
    f.record[13] = "435.8";
    f.record[14] = mode;
    f.useRadios(12, radio, 1, kPcrPort);
}

Texts textsFrom(const RadioFixture& f, size_t from) {
    const auto all = f.texts();
    return {all.begin() + static_cast<long>(from), all.end()};
}

bool sentSince(const RadioFixture& f, size_t from, const std::string& text) {
    const auto sent = textsFrom(f, from);
    return std::find(sent.begin(), sent.end(), text) != sent.end();
}

// The baud rate a sent frame's header names for its port, as the box reads it.
int baudOf(const core::BoxFrame& frame, int variant) {
    const auto baud = variant == 3 ? sim::parallelBoxBaud(frame[53], frame[52])
                                   : sim::serialBoxBaud(frame[27], frame[28]);
    return baud.value_or(0);
}

// A simulated receiver on the downlink port, fed the downlink frames at their rates.
struct ReceiverOnPort {
    explicit ReceiverOnPort(const char* model) : port(kPcrPort) { port.fit(model); }
    void feed(const RadioFixture& f, size_t from = 0) {
        for (size_t k = from; k < f.sent.size(); ++k) {
            const auto& frame = f.sent[k];
            if (f.startup.variant == 4 && frame[29] + 1 != kPcrPort) continue;
            if (f.startup.variant == 3 && !frame[58] && !frame[59]) continue;
            auto bytes = radio::payloadBytes(frame, f.startup.variant);
            bytes.pop_back(); // the marker
            last = port.deliver(bytes, baudOf(frame, f.startup.variant));
        }
    }
    const sim::PcrState& pcr() {
        return dynamic_cast<sim::PcrRadioFamily*>(port.family("PCR-1000"))->radio();
    }
    const sim::AorState& aor() {
        return dynamic_cast<sim::AorRadioFamily*>(port.family("AOR"))->radio();
    }
    sim::RadioPort port;
    sim::RadioExchange last;
};

radio::PcrAorFamily& receivers(RadioFixture& f) {
    return f.radios->families().pcrAor();
}
} // namespace

TEST(Pcr1000, SetUpSwitchesTo38400AndTheReceiverFollows) {
    for (int variant : {3, 4}) {
        SCOPED_TRACE(variant);
        RadioFixture f(variant);
        receiverRecord(f, 34, "fm,15khz");
        f.radios->radioinit();
        // The IC-275 uplink's frames come first.
        const size_t first = f.texts().size() - 8;
        EXPECT_EQ(textsFrom(f, first), (Texts{"H101\r\n", "G105\r\n", "J4100\r\n", "J4380\r\n",
                                              "J4501\r\n", "J4600\r\n", "J4700\r\n", "J4002\r\n"}));
        EXPECT_EQ(receivers(f).pcrModeFilter(), "050200");
        // 9600 baud until the receiver is told to change, 38400 after.
        EXPECT_EQ(baudOf(f.sent[first], variant), 9600);
        EXPECT_EQ(baudOf(f.sent[first + 1], variant), 9600);
        EXPECT_EQ(baudOf(f.sent[first + 2], variant), 38400);
        EXPECT_EQ(baudOf(f.sent.back(), variant), 38400);
        // The transmission time counts the command's own characters.
        EXPECT_NEAR(f.timing.transmissionMs, 5 * 0.26, 1e-9);

        const size_t tuned = f.sent.size();
        f.radios->frequency();
        EXPECT_TRUE(sentSince(f, tuned, "K00435800000050200\r\n"));

        ReceiverOnPort receiver("PCR-1000");
        receiver.feed(f);
        EXPECT_TRUE(receiver.pcr().powered);
        EXPECT_EQ(receiver.pcr().baud, 38400);
        EXPECT_EQ(receiver.pcr().commandsUnheard, 0);
        EXPECT_EQ(receiver.pcr().hz, 435800000u);
        EXPECT_EQ(receiver.pcr().modeCode, 5);
        EXPECT_EQ(receiver.pcr().filterCode, 2);
        EXPECT_TRUE(receiver.pcr().agc);
        EXPECT_EQ(receiver.pcr().ifShift, 0x80);
        EXPECT_EQ(receiver.pcr().volume, 2);

        // Closed back to 9600, where the next set-up finds it: a refresh is heard whole.
        const size_t refreshed = f.sent.size();
        f.radios->lbl_refresh_DblClick();
        EXPECT_TRUE(sentSince(f, refreshed, "G103\r\n"));
        receiver.feed(f, refreshed);
        EXPECT_EQ(receiver.pcr().commandsUnheard, 0) << receiver.last.description;
        EXPECT_EQ(receiver.pcr().baud, 38400);
        const size_t closed = f.sent.size();
        f.radios->shut_down_radios();
        receiver.feed(f, closed);
        EXPECT_EQ(f.texts().back(), "G103\r\n");
        EXPECT_EQ(receiver.pcr().baud, 9600);
        EXPECT_TRUE(receiver.pcr().powered);
    }
}

TEST(Pcr1000, TheReceiverHearsNothingAtTheOldRate) {
    sim::PcrRadioFamily pcr;
    const auto line = [](const char* text) { return radio::pcr::commandLine(text); };
    EXPECT_EQ(pcr.handleAt(line("H101"), 9600).reply, (Bytes{'G', '0', '0', '0', 13, 10}));
    pcr.handleAt(line("G105"), 9600);
    const auto unheard = pcr.handleAt(line("K00435800000050200"), 9600);
    EXPECT_TRUE(unheard.reply.empty());
    EXPECT_NE(unheard.description.find("did not hear"), std::string::npos);
    EXPECT_FALSE(pcr.dialHz());
    pcr.handleAt(line("K00435800000050200"), 38400);
    EXPECT_EQ(pcr.dialHz(), 435800000u);
    // Off, it tunes nothing.
    pcr.handleAt(line("H100"), 38400);
    EXPECT_EQ(pcr.handleAt(line("K00145900000050200"), 38400).reply,
              (Bytes{'G', '0', '0', '1', 13, 10}));
    EXPECT_EQ(pcr.dialHz(), 435800000u);
}

TEST(Pcr1000, AModeFieldWithoutACommaSendsNothing) {
    RadioFixture f(4);
    receiverRecord(f, 34, "FM");
    f.radios->radioinit();
    f.radios->frequency();
    ASSERT_FALSE(f.sent.empty()); // the uplink's
    for (const auto& text : f.texts())
        EXPECT_EQ(text.find("\r\n"), std::string::npos) << text;
    EXPECT_EQ(f.panel.caption("lbl_DnMode"), "ERROR");
    EXPECT_EQ(f.panel.field("lbl_DnMode").backColor, 0xFFFF);
    EXPECT_FALSE(f.panel.field("ch_agc").enabled);
}

TEST(Pcr1000, FrequenciesOutsideTheReceiverAreRefused) {
    RadioFixture f(4);
    receiverRecord(f, 34, "USB,3KHZ");
    f.radios->radioinit();
    auto& state = f.radios->state();
    for (const char* text : {"145900", "10368100000"}) {
        const size_t sent = f.sent.size();
        state.frequencyText = text;
        receivers(f).pcr_1000(2);
        EXPECT_EQ(f.sent.size(), sent) << text;
        EXPECT_NE(f.radios->link().lastRefusal().find(text), std::string::npos);
    }
    state.frequencyText = "145900000";
    receivers(f).pcr_1000(2);
    EXPECT_EQ(f.texts().back(), "K00145900000010000\r\n");
    // An inhibited downlink is not retuned.
    f.radios->controls().Lbl_inhibit_rx_DblClick();
    const size_t sent = f.sent.size();
    receivers(f).pcr_1000(2);
    EXPECT_EQ(f.sent.size(), sent);
}

TEST(Pcr1000, TheEepromCaveatIsAskedUntilAcceptedAndDecliningEndsTheRun) {
    RadioFixture f(4);
    receiverRecord(f, 34, "FM,15KHZ");
    std::string key36;
    std::vector<platform::DialogRequest> asked;
    std::deque<platform::DialogAnswer> answers{platform::DialogAnswer::No,
                                               platform::DialogAnswer::Yes};
    int endings = 0;
    radio::PcrCaveatHooks hooks;
    hooks.readAcceptance = [&] { return key36; };
    hooks.storeAcceptance = [&] { key36 = "1"; };
    hooks.ask = [&](const platform::DialogRequest& request) {
        asked.push_back(request);
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    };
    hooks.endProgram = [&] { ++endings; };
    receivers(f).setCaveatHooks(hooks);

    f.radios->radioinit(); // declined
    EXPECT_EQ(endings, 1);
    EXPECT_TRUE(key36.empty());
    for (const auto& text : f.texts())
        EXPECT_EQ(text.find("\r\n"), std::string::npos) << "sent after a No: " << text;
    ASSERT_EQ(asked.size(), 1u);
    const auto& box = asked[0];
    EXPECT_EQ(box.title, "EEPROM CAVEAT");
    EXPECT_EQ(box.buttons, platform::DialogButtons::YesNo);
    EXPECT_EQ(box.defaultAnswer, platform::DialogAnswer::No);
    EXPECT_EQ(box.icon, platform::DialogIcon::Critical);
    EXPECT_EQ(box.helpFile, "DEMO.HLP");
    EXPECT_EQ(box.helpContext, 1000);
    EXPECT_EQ(box.text.rfind("Every precaution has been taken to ensure that Orv_Kite \n"
                             "does not write to or corrupt the PCR 1000's Eeprom\n"
                             "DO YOU WANT TO CONTINUE WITHOUT HAVING BACKED\n"
                             "                UP THE EEPROM???\n"
                             " It is your responsibility if you ignore this warning.\n",
                             0),
              0u);

    f.radios->radioinit(); // accepted, and kept
    EXPECT_EQ(key36, "1");
    EXPECT_EQ(f.texts().back(), "J4002\r\n");
    f.radios->radioinit();
    EXPECT_EQ(asked.size(), 2u);
}

TEST(Pcr1000, PanelControlsQueueTheirCommandsForTheMainLoop) {
    RadioFixture f(4);
    receiverRecord(f, 5, "USB"); // a TS-440S receives: the controls do nothing
    f.radios->radioinit();
    auto& panel = f.panel;
    EXPECT_TRUE(panel.gesture("Knob2", core::Gesture::Change, 3));
    panel.setValue("ch_att", 1);
    panel.gesture("ch_att", core::Gesture::Click);
    EXPECT_TRUE(receivers(f).pendingControls().empty());

    receiverRecord(f, 34, "FM,15KHZ");
    f.radios->radioinit();
    EXPECT_TRUE(panel.field("ch_att").enabled);
    EXPECT_EQ(panel.value("ch_agc"), 1);
    EXPECT_EQ(panel.value("ch_att"), 0);
    panel.setValue("ch_agc", 0);
    panel.gesture("ch_agc", core::Gesture::Click);
    panel.setValue("ch_nb", 1);
    panel.gesture("ch_nb", core::Gesture::Click);
    panel.setValue("Knob2", 3);
    panel.gesture("Knob2", core::Gesture::Change, 3);
    panel.setValue("Knob2", 2); // the later turn replaces the waiting volume
    panel.gesture("Knob2", core::Gesture::Change, 2);
    panel.setValue("Knob3", -1); // squelch stays at its bottom
    panel.gesture("Knob3", core::Gesture::Change, -1);
    panel.setValue("Knob4", -4);
    panel.gesture("Knob4", core::Gesture::Change, -4);
    EXPECT_EQ(panel.caption("lbl_shift"), "RESET");
    EXPECT_EQ(receivers(f).pendingControls(), (Texts{"J4500", "J4601", "J400C", "J4378"}));
    EXPECT_EQ(panel.value("Knob2"), 0);

    const size_t sent = f.sent.size();
    receivers(f).sendPendingControls();
    EXPECT_EQ(textsFrom(f, sent), (Texts{"J4500\r\n", "J4601\r\n", "J400C\r\n", "J4378\r\n"}));
    EXPECT_TRUE(receivers(f).pendingControls().empty());
    panel.gesture("lbl_shift", core::Gesture::Click);
    EXPECT_EQ(panel.caption("lbl_shift"), "IF Shift");
    EXPECT_EQ(receivers(f).pendingControls(), (Texts{"J4380"}));

    // Closed, the controls are disabled and what waited is dropped.
    f.radios->shut_down_radios();
    EXPECT_FALSE(panel.field("Knob2").enabled);
    EXPECT_FALSE(panel.field("lbl_shift").enabled);
    EXPECT_TRUE(receivers(f).pendingControls().empty());
}

TEST(Aor, SetUpSendsTheModeFieldCommandsAndShowsTheMode) {
    for (int variant : {3, 4}) {
        SCOPED_TRACE(variant);
        RadioFixture f(variant);
        receiverRecord(f, 35, "VE,MD3,BW1,ST100,SJ2,AN4");
        f.radios->radioinit();
        const size_t first = f.texts().size() - 6;
        EXPECT_EQ(textsFrom(f, first),
                  (Texts{"VE\r", "MD3\r", "BW1\r", "ST100\r", "SJ2\r", "AN4\r"}));
        EXPECT_EQ(f.panel.caption("lbl_DnMode"), "USB");
        const size_t tuned = f.sent.size();
        f.radios->frequency();
        EXPECT_TRUE(sentSince(f, tuned, "RF0435800000\r"));
        f.radios->shut_down_radios();
        EXPECT_EQ(f.texts().back(), "EX\r");

        ReceiverOnPort receiver("AR5000");
        receiver.feed(f);
        EXPECT_EQ(receiver.aor().vfo, 'E');
        EXPECT_EQ(receiver.aor().mode, 3);
        EXPECT_EQ(receiver.aor().step, "100");
        EXPECT_EQ(receiver.aor().antenna, 4);
        EXPECT_EQ(receiver.aor().hz, 435800000u);
        EXPECT_FALSE(receiver.aor().remote);
    }
}

TEST(Aor, AModeFieldWithoutACommaIsAConfigError) {
    RadioFixture f(4);
    receiverRecord(f, 36, "MD3");
    f.radios->radioinit();
    EXPECT_EQ(f.panel.caption("lbl_DnMode"), "Config Error");
    EXPECT_EQ(f.panel.field("lbl_DnMode").backColor, 0xFFFF);
    for (const auto& text : f.texts())
        EXPECT_EQ(text.find('\r'), std::string::npos) << text;
}

TEST(Aor, ReadBackTakesTheDialInTheDownlinksBand) {
    for (int variant : {3, 4}) {
        SCOPED_TRACE(variant);
        RadioFixture f(variant);
        receiverRecord(f, 36, "VA,MD2");
        f.radios->radioinit();
        f.radios->frequency();
        ReceiverOnPort receiver("AR8000");
        receiver.feed(f);
        // The receiver's answer to RX is what the box returns.
        f.onOuts = [&] {
            receiver.feed(f, f.sent.size() - 1);
            if (f.sent.back()[variant == 3 ? 58 : 24]) f.scriptReply(receiver.last.reply);
        };
        const auto dial = [&](uint64_t hz) {
            const std::string command = "RF" + std::to_string(hz + 10000000000ull).substr(1) + "\r";
            receiver.port.deliver({command.begin(), command.end()});
        };
        dial(435801250);
        EXPECT_TRUE(f.radios->dispatch().readBackDownlink());
        EXPECT_EQ(f.texts().back(), "RX\r");
        EXPECT_EQ(f.sent.back()[variant == 3 ? 60 : 26], 16);
        EXPECT_EQ(f.panel.caption("lbl_down_read"), "Read in DnLink");
        EXPECT_NEAR(f.radios->plan().downlink, 435.801251, 1e-6);

        // Tuned by hand to another band: the plan stays.
        dial(145900000);
        f.radios->dispatch().readBackDownlink();
        EXPECT_NEAR(f.radios->plan().downlink, 435.801251, 1e-6);
        // A receiver that answers nothing usable shows the error.
        f.onOuts = nullptr;
        f.reply.clear();
        f.radios->dispatch().readBackDownlink();
        EXPECT_EQ(f.panel.caption("lbl_down_read"), "ERROR");
    }
}
