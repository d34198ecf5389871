// Byte input and output at absolute I/O port addresses: the printer-port
// registers of the parallel interface box. A backend on Linux /dev/port and a
// recording fake.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace orv::platform {

class PortIo {
public:
    virtual ~PortIo() = default;
    // Makes the ports reachable; false and `error` set (in plain words) when refused.
    virtual bool open(std::string& error) = 0;
    virtual uint8_t read(int address) = 0;
    virtual void write(int address, uint8_t value) = 0;
};

// The message for a refused /dev/port, naming what it needs.
std::string portAccessRefusedText(const std::string& device, const std::string& reason);

// Linux /dev/port: offset = port address. Needs the CAP_SYS_RAWIO capability and
// read-write access to the device file (in practice: running as root).
class DevPortIo final : public PortIo {
public:
    explicit DevPortIo(std::string device = "/dev/port") : device_(std::move(device)) {}
    ~DevPortIo() override;
    DevPortIo(const DevPortIo&) = delete;
    DevPortIo& operator=(const DevPortIo&) = delete;

    bool open(std::string& error) override;
    // A failed read gives 0 (the box then reads as not ready); a failed write is dropped.
    uint8_t read(int address) override;
    void write(int address, uint8_t value) override;

private:
    std::string device_;
    int fd_ = -1;
};

// Registers in memory: a write stores the value, a read returns it (0 before any
// write) unless `onRead` answers. Every access is recorded.
class FakePortIo final : public PortIo {
public:
    struct Access {
        bool write;
        int address;
        int value;
        bool operator==(const Access&) const = default;
    };
    bool open(std::string& error) override;
    uint8_t read(int address) override;
    void write(int address, uint8_t value) override;
    bool touched() const { return opened || !accesses.empty(); }
    // The values written to one address, in order.
    std::vector<int> writesTo(int address) const;

    std::map<int, uint8_t> registers;
    std::function<uint8_t(int address)> onRead;
    std::vector<Access> accesses;
    bool opened = false;
    std::string refuse; // non-empty: open() fails with this reason
};

} // namespace orv::platform
