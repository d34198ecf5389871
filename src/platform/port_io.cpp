#include "platform/port_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace orv::platform {

std::string portAccessRefusedText(const std::string& device, const std::string& reason) {
    return "The printer port of the Orv_Kite hardware cannot be reached:\r\n" + device + ": " +
           reason + "\r\n\r\nPort access through " + device +
           " needs the CAP_SYS_RAWIO capability and read-write\r\n"
           "access to the device (run the station as root), and a kernel that is not\r\n"
           "locked down.\r\n\r\nContinuing in a demonstration mode.\r\n";
}

DevPortIo::~DevPortIo() {
    if (fd_ >= 0) ::close(fd_);
}

bool DevPortIo::open(std::string& error) {
    if (fd_ >= 0) return true;
    fd_ = ::open(device_.c_str(), O_RDWR | O_CLOEXEC);
    if (fd_ >= 0) return true;
    error = portAccessRefusedText(device_, std::strerror(errno));
    return false;
}

uint8_t DevPortIo::read(int address) {
    uint8_t value = 0;
    if (fd_ < 0 || address < 0 || address > 0xFFFF) return 0;
    if (::pread(fd_, &value, 1, address) != 1) return 0;
    return value;
}

void DevPortIo::write(int address, uint8_t value) {
    if (fd_ < 0 || address < 0 || address > 0xFFFF) return;
    [[maybe_unused]] const auto written = ::pwrite(fd_, &value, 1, address);
}

bool FakePortIo::open(std::string& error) {
    opened = true;
    if (refuse.empty()) return true;
    error = portAccessRefusedText("/dev/port", refuse);
    return false;
}

uint8_t FakePortIo::read(int address) {
    const uint8_t value = onRead ? onRead(address) : registers[address];
    accesses.push_back({false, address, value});
    return value;
}

void FakePortIo::write(int address, uint8_t value) {
    registers[address] = value;
    accesses.push_back({true, address, value});
}

std::vector<int> FakePortIo::writesTo(int address) const {
    std::vector<int> values;
    for (const auto& access : accesses)
        if (access.write && access.address == address) values.push_back(access.value);
    return values;
}

} // namespace orv::platform
