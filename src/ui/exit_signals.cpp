#include "ui/exit_signals.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace orv::ui {

namespace {

constexpr std::array kExitSignals{SIGTERM, SIGINT, SIGHUP};

// The two ends of the pipe; the handler writes into [0], the event loop reads [1].
int signalPipe[2] = {-1, -1};

extern "C" void onExitSignal(int signal) {
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &number, 1);
    errno = savedErrno;
}

void setHandler(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kExitSignals)
        sigaction(signal, &action, nullptr);
}

} // namespace

ExitSignals::ExitSignals(std::function<void(int)> exitRoutine)
    : exitRoutine_(std::move(exitRoutine)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) {
        std::fprintf(stderr, "orv_kite: cannot watch for signals: %s\n", std::strerror(errno));
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(signalPipe[1], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { readSignal(); });
    setHandler(onExitSignal);
}

ExitSignals::~ExitSignals() {
    if (!notifier_) return;
    setHandler(SIG_DFL);
    notifier_.reset();
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void ExitSignals::readSignal() {
    unsigned char number = 0;
    if (::read(signalPipe[1], &number, 1) != 1) return;
    // Once: a second signal while the exit routine waits on the box ends the process.
    notifier_->setEnabled(false);
    setHandler(SIG_DFL);
    std::fprintf(stderr, "orv_kite: SIG%s: running the exit routine\n", sigabbrev_np(number));
    exitRoutine_(number);
}

} // namespace orv::ui
