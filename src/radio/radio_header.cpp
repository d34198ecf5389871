#include "radio/radio_header.h"

namespace orv::radio {

namespace {
bool knownTransfer(int transfer) {
    return transfer >= 1 && transfer <= 3;
}
} // namespace

bool stampSerialHeader(core::BoxFrame& frame, int transfer, const LinkDirection& direction) {
    for (int slot = 23; slot <= 29; ++slot)
        frame[slot] = 0;
    if (!knownTransfer(transfer) || direction.port < 1 || direction.port > 4) return false;
    const bool read = transfer == 3;
    frame[read ? 24 : 23] = 1;
    frame[25] = direction.commaFlag;
    frame[26] = direction.parameter;
    frame[27] = direction.timing.first;
    frame[28] = direction.timing.second;
    frame[29] = direction.port - 1;
    return true;
}

bool stampParallelHeader(core::BoxFrame& frame, int transfer, const LinkDirection& direction) {
    if (!knownTransfer(transfer) || direction.port < 1 || direction.port > 2) return false;
    const bool read = transfer == 3;
    const bool port2 = direction.port == 2;
    frame[52] = direction.timing.second;
    frame[53] = direction.timing.first;
    if (port2 || read) {
        frame[54] = direction.timing.second;
        frame[55] = direction.timing.first;
    }
    frame[(port2 ? 58 : 56) + (read ? 0 : 1)] = 1;
    frame[60] = read ? direction.parameter : 0;
    frame[61] = direction.commaFlag;
    return true;
}

} // namespace orv::radio
