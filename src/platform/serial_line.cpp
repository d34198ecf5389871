#include "platform/serial_line.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace orv::platform {

namespace {

std::string_view trimmedView(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

QSerialPort::Parity qtParity(char parity) {
    switch (parity) {
    case 'E':
        return QSerialPort::EvenParity;
    case 'O':
        return QSerialPort::OddParity;
    default:
        return QSerialPort::NoParity;
    }
}

} // namespace

std::optional<SerialSettings> parseSerialSettings(std::string_view text) {
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t comma = text.find(',', start);
        parts.push_back(trimmedView(text.substr(start, comma - start)));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (parts.size() != 4 || parts[1].size() != 1) return std::nullopt;
    SerialSettings settings;
    const auto baud = wholeNumber(parts[0]);
    const auto dataBits = wholeNumber(parts[2]);
    const auto stopBits = wholeNumber(parts[3]);
    settings.parity = static_cast<char>(std::toupper(static_cast<unsigned char>(parts[1][0])));
    if (!baud || *baud <= 0 || !dataBits || *dataBits < 5 || *dataBits > 8 || !stopBits ||
        (*stopBits != 1 && *stopBits != 2) ||
        std::string_view("NEO").find(settings.parity) == std::string_view::npos)
        return std::nullopt;
    settings.baud = *baud;
    settings.dataBits = *dataBits;
    settings.stopBits = *stopBits;
    return settings;
}

std::optional<std::string> serialDevicePath(std::string_view entry) {
    entry = trimmedView(entry);
    if (!entry.empty() && entry.front() == '/') return std::string(entry);
    const auto number = wholeNumber(entry);
    if (!number || *number < 1) return std::nullopt;
    return "/dev/ttyUSB" + std::to_string(*number - 1);
}

std::vector<uint8_t> ReceivedBytes::take(size_t maxBytes) {
    const auto count = static_cast<long>(std::min(maxBytes, bytes_.size()));
    std::vector<uint8_t> taken(bytes_.begin(), bytes_.begin() + count);
    bytes_.erase(bytes_.begin(), bytes_.begin() + count);
    return taken;
}

void SerialLine::bytesArrived() {
    if (threshold_ > 0 && bytesAvailable() >= static_cast<size_t>(threshold_))
        raiseEvent(kCommEventReceive);
}

void SerialLine::raiseEvent(int event) {
    if (handler_) handler_(event);
}

// ---- QSerialPort backend ----

QtSerialLine::QtSerialLine() {
    QObject::connect(&port_, &QSerialPort::readyRead, [this] { bytesArrived(); });
    QObject::connect(&port_, &QSerialPort::errorOccurred,
                     [this](QSerialPort::SerialPortError error) { portError(error); });
}

QtSerialLine::~QtSerialLine() {
    port_.close();
}

SerialOpenResult QtSerialLine::open(const std::string& portEntry, const SerialSettings& settings) {
    SerialOpenResult result;
    const auto device = serialDevicePath(portEntry);
    if (!device) {
        result.reason =
            "\"" + portEntry + "\" is neither a port number from 1 up nor a device path";
        return result;
    }
    result.device = *device;
    device_ = *device;
    if (port_.isOpen()) port_.close();
    port_.setPortName(QString::fromStdString(*device));
    port_.setBaudRate(settings.baud);
    port_.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits));
    port_.setParity(qtParity(settings.parity));
    port_.setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    modemLineFailureReported_ = false;
    if (port_.open(QIODevice::ReadWrite)) {
        result.outcome = SerialOpenOutcome::Opened;
        return result;
    }
    result.outcome = port_.error() == QSerialPort::DeviceNotFoundError ? SerialOpenOutcome::Missing
                                                                       : SerialOpenOutcome::Refused;
    result.reason = port_.errorString().toStdString();
    return result;
}

void QtSerialLine::close() {
    if (port_.isOpen()) port_.close();
}

void QtSerialLine::modemLineFailed(const char* line) {
    if (modemLineFailureReported_) return;
    modemLineFailureReported_ = true;
    ++modemLineReports_;
    std::fprintf(stderr,
                 "orv_kite: %s: the %s line cannot be set (%s); carrying on without modem "
                 "lines, which the interface box needs to answer\n",
                 device_.c_str(), line, port_.errorString().toStdString().c_str());
}

void QtSerialLine::setDtr(bool on) {
    if (!port_.isOpen()) return;
    if (!port_.setDataTerminalReady(on)) modemLineFailed("DTR");
}

void QtSerialLine::setRts(bool on) {
    if (!port_.isOpen()) return;
    if (!port_.setRequestToSend(on)) modemLineFailed("RTS");
}

void QtSerialLine::write(const std::vector<uint8_t>& bytes) {
    if (!port_.isOpen() || bytes.empty()) return;
    port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

size_t QtSerialLine::bytesAvailable() const {
    return port_.isOpen() ? static_cast<size_t>(port_.bytesAvailable()) : 0;
}

std::vector<uint8_t> QtSerialLine::read(size_t maxBytes) {
    if (!port_.isOpen()) return {};
    const QByteArray data = port_.read(static_cast<qint64>(maxBytes));
    return {data.begin(), data.end()};
}

void QtSerialLine::discardInput() {
    if (port_.isOpen()) port_.readAll();
}

void QtSerialLine::portError(QSerialPort::SerialPortError error) {
    // Opening failures are answered by open() itself; the rest are line events.
    if (error == QSerialPort::NoError || !port_.isOpen()) return;
    raiseEvent(kCommEventError + static_cast<int>(error));
}

// ---- recording fake ----

SerialOpenResult FakeSerialLine::open(const std::string& portEntry,
                                      const SerialSettings& settings) {
    actions.push_back("open " + portEntry);
    openedEntry = portEntry;
    openedSettings = settings;
    SerialOpenResult result;
    result.device = serialDevicePath(portEntry).value_or(portEntry);
    result.outcome = openOutcome;
    if (result.outcome != SerialOpenOutcome::Opened) result.reason = "refused by the test";
    open_ = result.outcome == SerialOpenOutcome::Opened;
    return result;
}

void FakeSerialLine::setDtr(bool on) {
    actions.push_back(on ? "DTR 1" : "DTR 0");
}

void FakeSerialLine::setRts(bool on) {
    actions.push_back(on ? "RTS 1" : "RTS 0");
}

void FakeSerialLine::write(const std::vector<uint8_t>& bytes) {
    actions.push_back("write " + std::to_string(bytes.size()));
    written.insert(written.end(), bytes.begin(), bytes.end());
}

void FakeSerialLine::arrive(const std::vector<uint8_t>& bytes) {
    input_.append(bytes);
    bytesArrived();
}

} // namespace orv::platform
