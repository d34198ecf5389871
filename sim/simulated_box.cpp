#include "sim/simulated_box.h"

#include <algorithm>
#include <chrono>

namespace orv::sim {

namespace {
// A long pause (a stopped clock jumping) is not taken as hours of turning.
constexpr double kLongestStepSeconds = 60;

double steadySeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

std::string driveText(int target, bool drive) {
    return std::to_string(target) + (drive ? " driven" : " off");
}
} // namespace

SimulatedBox::SimulatedBox(SimulatedBoxOptions options)
    : options_(std::move(options)), azimuth_(360, kAzimuthDegreesPerSecond),
      elevation_(kElevationTravel, kElevationDegreesPerSecond), random_(options_.seed) {
    if (!options_.clockSeconds) options_.clockSeconds = steadySeconds;
    if (!options_.runSeconds) {
        const double start = steadySeconds();
        options_.runSeconds = [start] { return steadySeconds() - start; };
    }
}

void SimulatedBox::log(const std::string& line) const {
    if (options_.log) options_.log(line);
}

FaultKind SimulatedBox::fault() {
    const FaultPlan& plan = options_.fault;
    if (plan.kind == FaultKind::None || options_.runSeconds() < plan.startSeconds)
        return FaultKind::None;
    if (!faultStarted_) {
        faultStarted_ = true;
        log(std::string("fault: ") + faultDescription(plan.kind));
    }
    if (plan.kind == FaultKind::Reset) {
        if (!resetDone_) {
            resetDone_ = true;
            resetItself();
        }
        return FaultKind::None;
    }
    return plan.kind;
}

RadioPort& SimulatedBox::radioPort(int number) {
    auto& port = ports_.at(static_cast<size_t>(number - 1));
    if (!port) port = std::make_unique<RadioPort>(number);
    return *port;
}

void SimulatedBox::advanceRotators() {
    const double now = options_.clockSeconds();
    const double step = timeStarted_ ? std::clamp(now - lastSeconds_, 0.0, kLongestStepSeconds) : 0;
    timeStarted_ = true;
    lastSeconds_ = now;
    const bool stuck = fault() == FaultKind::Stuck;
    azimuth_.advance(step, stuck);
    elevation_.advance(step, stuck);
}

void SimulatedBox::frame(const BoxCommand& command) {
    if (!answers()) return; // a box that does not answer takes nothing either
    advanceRotators();
    ++framesReceived_;
    logFrame(command);
    if (frameObserver_) frameObserver_(command);
    if (resetMarked_) {
        resetMarked_ = false;
        radioData_.clear();
    }
    applyRotators(command.rotators);
    if (command.radio) forwardRadio(*command.radio);
}

void SimulatedBox::frameRefused(const std::string& problem) {
    ++framesRefused_;
    log("frame refused: " + problem);
}

void SimulatedBox::applyRotators(const RotatorCommand& command) {
    lastAzDeadband_ = command.azDeadband;
    azimuth_.command(command.azTarget, command.azDrive, command.azDeadband);
    elevation_.command(command.elTarget, command.elDrive, command.elDeadband);
}

void SimulatedBox::forwardRadio(const RadioCommand& radio) {
    const std::string where = "port " + std::to_string(radio.port) + " ";
    if (radio.port < 1 || radio.port > 4) {
        log(where + "does not exist; " + std::to_string(radio.payload.size()) + " bytes dropped");
        return;
    }
    if (radio.baud == 0) {
        log(where + "timing bytes name no baud rate; " + std::to_string(radio.payload.size()) +
            " bytes dropped");
        return;
    }
    if (fault() == FaultKind::RadioOff) {
        log(where + std::to_string(radio.baud) + " Bd: the radio is switched off; " +
            std::to_string(radio.payload.size()) + " bytes unanswered");
        if (radio.read) radioData_.assign(static_cast<size_t>(std::max(radio.replyLength, 0)), 0);
        return;
    }
    const RadioExchange exchange = radioPort(radio.port).deliver(radio.payload, radio.baud);
    log(where + std::to_string(radio.baud) + " Bd: " + exchange.description);
    if (!radio.read) return;
    radioData_ = exchange.reply;
    radioData_.resize(static_cast<size_t>(std::max(radio.replyLength, 0)), 0);
}

void SimulatedBox::logFrame(const BoxCommand& command) {
    const auto& r = command.rotators;
    std::string text = "frame: azimuth " + driveText(r.azTarget, r.azDrive) + ", elevation " +
                       driveText(r.elTarget, r.elDrive) + ", deadbands " +
                       std::to_string(r.azDeadband) + " and " + std::to_string(r.elDeadband);
    if (command.ecpValue) text += ", ECP " + std::to_string(*command.ecpValue);
    if (text == lastFrameText_) return; // the same again says nothing new
    lastFrameText_ = text;
    log(text);
}

BoxReport SimulatedBox::report() {
    advanceRotators();
    return {azimuth_.count(), elevation_.count(), radioData_};
}

void SimulatedBox::lineReset() {
    ++lineResets_;
    advanceRotators();
    azimuth_.stop();
    elevation_.stop();
    resetMarked_ = false;
    radioData_.clear();
    log("reset by the lines");
}

// A box that reset itself stops its rotators and shows its azimuth deadband in the
// first byte of its radio data until the next frame.
void SimulatedBox::resetItself() {
    ++selfResets_;
    azimuth_.stop();
    elevation_.stop();
    radioData_.assign(1, static_cast<uint8_t>(lastAzDeadband_));
    resetMarked_ = true;
    log("the box reset itself");
}

} // namespace orv::sim
