#include "platform/port_io.h"
#include "platform/serial_line.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryFile>
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

namespace orv::platform {
namespace {

TEST(SerialLine, PortEntryNamesTheDevice) {
    const struct {
        const char* entry;
        const char* device; // nullptr: no device
    } cases[] = {{"1", "/dev/ttyUSB0"},
                 {"4", "/dev/ttyUSB3"},
                 {" 12 ", "/dev/ttyUSB11"},
                 {"/dev/ttyACM0", "/dev/ttyACM0"},
                 {"/dev/serial/by-id/Box", "/dev/serial/by-id/Box"},
                 {"0", nullptr},
                 {"-1", nullptr},
                 {"COM3", nullptr},
                 {"2x", nullptr},
                 {"", nullptr}};
    for (const auto& c : cases) {
        const auto device = serialDevicePath(c.entry);
        if (c.device)
            EXPECT_EQ(device.value_or("none"), c.device) << c.entry;
        else
            EXPECT_FALSE(device) << c.entry;
    }
}

TEST(SerialLine, SettingsTextIsRead) {
    const auto settings = parseSerialSettings("115200,N,8,1");
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->baud, 115200);
    EXPECT_EQ(settings->parity, 'N');
    EXPECT_EQ(settings->dataBits, 8);
    EXPECT_EQ(settings->stopBits, 1);
    EXPECT_EQ(parseSerialSettings("9600,e,7,2")->parity, 'E');
    for (const char* bad : {"", "115200", "115200,N,8", "fast,N,8,1", "9600,X,8,1", "9600,N,9,1",
                            "9600,N,8,3", "9600,NN,8,1"})
        EXPECT_FALSE(parseSerialSettings(bad)) << bad;
}

TEST(SerialLine, ReceiveEventWaitsForTheThreshold) {
    FakeSerialLine line;
    std::vector<int> events;
    line.onEvent([&](int event) { events.push_back(event); });
    line.arrive({1, 2, 3});
    EXPECT_TRUE(events.empty()); // no threshold: no event
    line.setReceiveThreshold(5);
    line.arrive({4});
    EXPECT_TRUE(events.empty());
    line.arrive({5});
    EXPECT_EQ(events, std::vector<int>{kCommEventReceive});
    EXPECT_EQ(line.read(4), (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(line.bytesAvailable(), 1u);
}

// A pseudo-terminal stands in for the box's USB serial port: bytes pass, the
// modem lines do not.
class PseudoTerminal : public ::testing::Test {
protected:
    void SetUp() override {
        char name[256];
        ASSERT_EQ(openpty(&master_, &slave_, name, nullptr, nullptr), 0);
        device_ = name;
    }
    void TearDown() override {
        ::close(master_);
        ::close(slave_);
    }
    int master_ = -1, slave_ = -1;
    std::string device_;
};

TEST_F(PseudoTerminal, OpensCarriesBytesBothWaysAndCloses) {
    QtSerialLine line;
    const auto result = line.open(device_, SerialSettings{});
    ASSERT_EQ(result.outcome, SerialOpenOutcome::Opened) << result.reason;
    EXPECT_EQ(result.device, device_);
    EXPECT_TRUE(line.isOpen());

    // The modem lines fail on a pty: reported once, and the line carries on.
    line.setDtr(true);
    line.setRts(true);
    line.setDtr(false);
    EXPECT_EQ(line.modemLineReports(), 1);

    line.write({0x01, 0xF0, 0xFF});
    QElapsedTimer timer;
    timer.start();
    std::vector<uint8_t> out;
    while (out.size() < 3 && timer.elapsed() < 3000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        uint8_t buffer[16];
        const ssize_t count = ::read(master_, buffer, sizeof buffer);
        if (count > 0) out.insert(out.end(), buffer, buffer + count);
    }
    EXPECT_EQ(out, (std::vector<uint8_t>{0x01, 0xF0, 0xFF}));

    std::vector<int> events;
    line.onEvent([&](int event) { events.push_back(event); });
    line.setReceiveThreshold(4);
    const uint8_t reply[] = {9, 8, 7, 6, 5};
    ASSERT_EQ(::write(master_, reply, sizeof reply), 5);
    timer.restart();
    while (events.empty() && timer.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events[0], kCommEventReceive);
    EXPECT_EQ(line.read(2), (std::vector<uint8_t>{9, 8}));
    line.discardInput();
    EXPECT_EQ(line.bytesAvailable(), 0u);

    line.close();
    EXPECT_FALSE(line.isOpen());
    line.write({1}); // writing to a closed line does nothing
    EXPECT_TRUE(line.read(5).empty());
}

TEST(QtSerialLineErrors, MissingAndRefusedDevicesAreToldApart) {
    QtSerialLine line;
    auto result = line.open("/dev/ttyUSB-not-there", SerialSettings{});
    EXPECT_EQ(result.outcome, SerialOpenOutcome::Missing);
    EXPECT_FALSE(result.reason.empty());

    result = line.open("0", SerialSettings{});
    EXPECT_EQ(result.outcome, SerialOpenOutcome::Missing);
    EXPECT_TRUE(result.device.empty());

    QTemporaryFile notATerminal;
    ASSERT_TRUE(notATerminal.open());
    result = line.open(notATerminal.fileName().toStdString(), SerialSettings{});
    EXPECT_NE(result.outcome, SerialOpenOutcome::Opened);
    EXPECT_FALSE(line.isOpen());
}

TEST(DevPortIo, RefusalSaysWhatItNeeds) {
    DevPortIo ports("/nonexistent/port");
    std::string error;
    EXPECT_FALSE(ports.open(error));
    EXPECT_NE(error.find("/nonexistent/port"), std::string::npos);
    EXPECT_NE(error.find("CAP_SYS_RAWIO"), std::string::npos);
    EXPECT_EQ(ports.read(0x379), 0); // an unopened port reads as a box not ready
}

} // namespace
} // namespace orv::platform
