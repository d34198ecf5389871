// The parallel box's replies: whatever the status and data registers read, nibble
// by nibble, through the handshake into the reply bytes and the positions.
#include "box_on_fakes.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput input(data, size);
    fuzz::BoxOnFakes fakes(3);
    // Every register read takes the next input byte; 0 (not ready) once they are used up.
    fakes.port.onRead = [&input](int) { return input.byte(); };
    fakes.box->startParallelPort();
    // Each exchange reads over 450 times; a few are plenty, and any more never differ.
    for (int exchange = 0; exchange < 8 && !input.empty(); ++exchange) {
        if (input.byte() & 1) fakes.box->out3();
        fakes.box->in3();
        fakes.checkReading();
    }
    return 0;
}
