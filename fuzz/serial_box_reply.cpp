// The serial box's replies: bytes arriving in pieces of any size, between requests
// and other line events, as a box that garbles, repeats or resets itself may send.
#include "box_on_fakes.h"

using namespace orv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput input(data, size);
    fuzz::BoxOnFakes fakes(4);
    fakes.box->openSerialPort();
    fakes.box->state().radioSetupDone = input.byte() & 1; // a reset box is then noticed
    while (!input.empty()) {
        const uint8_t step = input.byte();
        switch (step % 8) {
        case 0:
            fakes.box->in4();
            break;
        case 1:
            fakes.serial.raise(step >> 3);
            break;
        case 2:
            fakes.box->out4();
            break;
        default:
            fakes.serial.arrive(input.bytes(step >> 2));
            break;
        }
        fakes.checkReading();
    }
    return 0;
}
