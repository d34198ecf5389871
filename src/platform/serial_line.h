// The serial line to the interface box: open by configuration entry, settings,
// the DTR and RTS modem lines, byte output, and a receive event that fires once
// a threshold of bytes is waiting. A QSerialPort backend and a recording fake.
#pragma once

#include <QObject>
#include <QSerialPort>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::platform {

// Event codes handed to the event handler: the receive event, or a line error.
inline constexpr int kCommEventReceive = 2;
inline constexpr int kCommEventError = 1000;

struct SerialSettings {
    int baud = 115200;
    char parity = 'N'; // N, E or O
    int dataBits = 8;
    int stopBits = 1;
};

// Reads a settings text such as "115200,N,8,1"; nothing when it is malformed.
std::optional<SerialSettings> parseSerialSettings(std::string_view text);

// The device named by a port entry: a whole number N from 1 up is /dev/ttyUSB(N-1);
// a text beginning with "/" is a device path, used as typed. Anything else names none.
std::optional<std::string> serialDevicePath(std::string_view entry);

enum class SerialOpenOutcome { Opened, Missing, Refused };

struct SerialOpenResult {
    SerialOpenOutcome outcome = SerialOpenOutcome::Missing;
    std::string device; // the device path tried, empty when the entry names none
    std::string reason; // why it failed, in plain words
};

// What has arrived on a line and not been read yet.
class ReceivedBytes {
public:
    void append(const std::vector<uint8_t>& bytes) {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    }
    // Takes at most `maxBytes` from the front.
    std::vector<uint8_t> take(size_t maxBytes);
    size_t size() const { return bytes_.size(); }
    void clear() { bytes_.clear(); }

private:
    std::vector<uint8_t> bytes_;
};

class SerialLine {
public:
    using EventHandler = std::function<void(int event)>;
    virtual ~SerialLine() = default;

    virtual SerialOpenResult open(const std::string& portEntry, const SerialSettings& settings) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual void setDtr(bool on) = 0;
    virtual void setRts(bool on) = 0;
    virtual void write(const std::vector<uint8_t>& bytes) = 0;
    virtual size_t bytesAvailable() const = 0;
    // Takes at most `maxBytes` of what has arrived.
    virtual std::vector<uint8_t> read(size_t maxBytes) = 0;
    // Throws away what has arrived and not been read.
    virtual void discardInput() = 0;

    // The receive event fires once `threshold` bytes are waiting; 0 switches it off.
    void setReceiveThreshold(int threshold) { threshold_ = threshold; }
    int receiveThreshold() const { return threshold_; }
    void onEvent(EventHandler handler) { handler_ = std::move(handler); }

protected:
    // Backends call this when bytes arrived; raises the receive event when due.
    void bytesArrived();
    void raiseEvent(int event);

private:
    int threshold_ = 0;
    EventHandler handler_;
};

// A real serial device through QSerialPort. A pseudo-terminal carries bytes but no
// modem lines: a failing DTR or RTS change is reported once and otherwise ignored.
class QtSerialLine final : public SerialLine {
public:
    QtSerialLine();
    ~QtSerialLine() override;
    SerialOpenResult open(const std::string& portEntry, const SerialSettings& settings) override;
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    void setDtr(bool on) override;
    void setRts(bool on) override;
    void write(const std::vector<uint8_t>& bytes) override;
    size_t bytesAvailable() const override;
    std::vector<uint8_t> read(size_t maxBytes) override;
    void discardInput() override;
    // How many modem-line failures were reported (at most one per opening).
    int modemLineReports() const { return modemLineReports_; }

private:
    void modemLineFailed(const char* line);
    void portError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    std::string device_;
    bool modemLineFailureReported_ = false;
    int modemLineReports_ = 0;
};

// Records everything done to the line; a test feeds the bytes that arrive.
class FakeSerialLine final : public SerialLine {
public:
    SerialOpenResult open(const std::string& portEntry, const SerialSettings& settings) override;
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    void setDtr(bool on) override;
    void setRts(bool on) override;
    void write(const std::vector<uint8_t>& bytes) override;
    size_t bytesAvailable() const override { return input_.size(); }
    std::vector<uint8_t> read(size_t maxBytes) override { return input_.take(maxBytes); }
    void discardInput() override { input_.clear(); }

    // Bytes arrive from the far end; the receive event fires at once when due.
    void arrive(const std::vector<uint8_t>& bytes);
    // Any other line event (an error).
    void raise(int event) { raiseEvent(event); }
    // True once anything at all was done to the line.
    bool touched() const { return !actions.empty() || !written.empty(); }

    SerialOpenOutcome openOutcome = SerialOpenOutcome::Opened; // whatever the entry names
    std::vector<std::string> actions; // "open 1", "DTR 1", "RTS 0", "write 38"
    std::vector<uint8_t> written;
    std::string openedEntry;
    SerialSettings openedSettings;

private:
    bool open_ = false;
    ReceivedBytes input_;
};

} // namespace orv::platform
