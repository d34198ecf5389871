// orv_kite_tool dde-peer: plays one tracking program on its local socket, so the
// station's linked mode can be run and shown without the program itself.
#include "dde/dde_peer.h"
#include "dde/nova_stand_in.h"
#include "dde/reply_script.h"
#include "orbit/day_instant.h"
#include "orbit/element_file.h"
#include "platform/dde_client.h"
#include "tools/commands.h"
#include "tools/orbit_tool_common.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orv::tools {

namespace {

const char* kDdePeerUsage =
    "Usage: orv_kite_tool dde-peer --as GSC|NFW32|WinOrbit|WXTrack|SatPC32\n"
    "                              [--reply TEXT] [--script FILE]\n"
    "                              [--elements FILE --lat DEG --lon DEG [--height M]\n"
    "                               [--name NAME] [--utc \"YYYY-MM-DD hh:mm:ss\"] [--rate N]]\n"
    "  Serves the tracking program's socket in the private run-time directory and answers\n"
    "  the station's requests with the reply text (the program's line end is added where\n"
    "  it writes one). --script FILE gives one reply a line, \"SECONDS TEXT\": the seconds\n"
    "  from the start at which the text takes over (before the first, --reply). Each line\n"
    "  read from standard input becomes the reply from then on. Every request and poke is\n"
    "  logged on standard error. Ends on SIGTERM, SIGINT or the end of standard input\n"
    "  (when standard input is a pipe, a socket or the terminal).\n"
    "  With --as NFW32 and no --reply or --script it plays Nova for Windows itself: the\n"
    "  satellite of the last \"SAT=\" poke (or --name) is propagated from the element file\n"
    "  for the observer at --lat/--lon, on the clock from --utc (default now) running\n"
    "  --rate times as fast (default 1).\n";

// The write end of the pipe a signal is told through; the event loop reads the other.
int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

// The end of standard input means "stop" only where it can mean it: a pipe, a socket,
// or the terminal the peer runs in the foreground of. A background job's /dev/null
// (or a file) would end it at once.
bool standardInputCanEnd() {
    struct stat info {};
    if (::fstat(STDIN_FILENO, &info) != 0) return false;
    if (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode)) return true;
    return ::isatty(STDIN_FILENO) && ::tcgetpgrp(STDIN_FILENO) == ::getpgrp();
}

std::optional<std::string> fileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Where the reply comes from: a fixed text (replaced by standard input), a script, or
// Nova for Windows played from elements.
struct ReplySource {
    std::string text;
    std::optional<dde::ReplyScript> script;
    std::unique_ptr<dde::NovaStandIn> nova;
    QDateTime utcStart;
    double rate = 1;
    QElapsedTimer sinceStart;
    bool typedOver = false; // a line from standard input has replaced everything

    std::string reply() const {
        if (typedOver) return text;
        const double seconds = double(sinceStart.elapsed()) / 1000.0;
        if (script)
            if (const auto* scripted = dde::scriptedReplyAt(*script, seconds)) return *scripted;
        if (nova) {
            const QDateTime now = utcStart.addMSecs(qint64(seconds * rate * 1000.0));
            return nova->replyAt(orbit::dayOfUtc(now));
        }
        return text;
    }
};

bool loadScript(const ToolArguments& arguments, ReplySource& source) {
    if (!arguments.has("--script")) return true;
    const std::string path = arguments.value("--script");
    const auto text = fileText(path);
    if (!text) {
        std::fprintf(stderr, "orv_kite_tool: cannot read the script %s\n", path.c_str());
        return false;
    }
    std::string error;
    source.script = dde::parseReplyScript(*text, error);
    if (!source.script)
        std::fprintf(stderr, "orv_kite_tool: %s: %s\n", path.c_str(), error.c_str());
    return source.script.has_value();
}

bool loadNova(const ToolArguments& arguments, ReplySource& source) {
    const std::string path = arguments.value("--elements");
    const auto text = fileText(path);
    if (!text) {
        std::fprintf(stderr, "orv_kite_tool: cannot read the element file %s\n", path.c_str());
        return false;
    }
    auto contents = orbit::parseElementFile(*text);
    if (!contents.complete)
        std::fprintf(stderr,
                     "orv_kite_tool: warning: %s goes wrong at line %d; the %zu sets "
                     "before it are used\n",
                     path.c_str(), contents.faultLine, contents.records.size());
    orbit::StationModel observer;
    if (!observerOf(arguments, observer) ||
        !numberOption(arguments, "--rate", source.rate, false, 1))
        return false;
    source.utcStart = QDateTime::currentDateTimeUtc();
    if (arguments.has("--utc")) {
        source.utcStart = orbit::parseUtcInstant(arguments.value("--utc"));
        if (!source.utcStart.isValid()) {
            std::fprintf(stderr, "orv_kite_tool: --utc takes \"YYYY-MM-DD hh:mm:ss\"\n");
            return false;
        }
    }
    source.nova = std::make_unique<dde::NovaStandIn>(std::move(contents.records), observer);
    if (arguments.has("--name") && !source.nova->choose(arguments.value("--name"))) {
        std::fprintf(stderr, "orv_kite_tool: %s has no element set named \"%s\"\n", path.c_str(),
                     arguments.value("--name").c_str());
        return false;
    }
    return true;
}

// Reads standard input: each line becomes the reply; its end ends the run.
void watchStandardInput(QSocketNotifier& notifier, ReplySource& source) {
    QObject::connect(&notifier, &QSocketNotifier::activated, [&notifier, &source] {
        static std::string pending;
        char chunk[512];
        const ssize_t count = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (count <= 0) {
            notifier.setEnabled(false);
            std::fputs("dde-peer: end of input\n", stderr);
            QCoreApplication::quit();
            return;
        }
        pending.append(chunk, std::size_t(count));
        for (auto end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
            std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            source.text = line;
            source.typedOver = true;
            std::fprintf(stderr, "dde-peer: reply is now \"%s\"\n", line.c_str());
        }
    });
}

} // namespace

int ddePeerCommand(const std::vector<std::string>& words) {
    ToolArguments arguments;
    int exitCode = 0;
    if (!argumentsOrUsage(words,
                          {"--as", "--reply", "--script", "--elements", "--lat", "--lon",
                           "--height", "--name", "--utc", "--rate"},
                          kDdePeerUsage, arguments, exitCode))
        return exitCode;
    const dde::DdeSource* program = dde::ddeSourceServedAs(arguments.value("--as"));
    if (!program) {
        std::fprintf(stderr,
                     "orv_kite_tool: --as takes GSC, NFW32, WinOrbit, WXTrack or SatPC32\n");
        return 2;
    }
    ReplySource source;
    source.text = arguments.value("--reply");
    if (!loadScript(arguments, source)) return 2;
    const bool playsNova = program->suppliesPosition && !arguments.has("--reply") && !source.script;
    if (arguments.has("--elements") && !playsNova) {
        std::fprintf(stderr, "orv_kite_tool: --elements is for --as NFW32 without --reply or "
                             "--script\n");
        return 2;
    }
    if (playsNova && !arguments.has("--elements")) {
        std::fprintf(stderr, "orv_kite_tool: --as NFW32 needs --reply, --script or --elements\n");
        return 2;
    }
    if (playsNova && !loadNova(arguments, source)) return 2;

    dde::DdePeer::Hooks hooks;
    hooks.reply = [&source] { return source.reply(); };
    hooks.poked = [&source](const std::string& text) {
        if (source.nova) std::fprintf(stderr, "dde-peer: %s\n", source.nova->poke(text).c_str());
    };
    hooks.log = [](const std::string& line) {
        std::fprintf(stderr, "dde-peer: %s\n", line.c_str());
    };
    dde::DdePeer peer(*program, std::move(hooks));
    std::string error;
    const std::string directory = platform::defaultDdeDirectory(error);
    if (!peer.listen(directory, error)) {
        std::fprintf(stderr, "orv_kite_tool: %s\n", error.c_str());
        return 1;
    }
    std::fprintf(stderr, "dde-peer: playing %s at %s\n", program->program,
                 peer.socketPath().c_str());

    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return 1;
    QSocketNotifier signalNotifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, [] {
        std::fputs("dde-peer: ending\n", stderr);
        QCoreApplication::quit();
    });
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
    std::signal(SIGPIPE, SIG_IGN);

    std::unique_ptr<QSocketNotifier> input;
    if (standardInputCanEnd()) {
        input = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
        watchStandardInput(*input, source);
    }
    source.sinceStart.start();
    QCoreApplication::exec();
    peer.close();
    return 0;
}

} // namespace orv::tools
