#include "orbit/element_import.h"

#include "core/number_text.h"
#include "core/settings_store.h"
#include "orbit/element_file.h"
#include "orbit/element_store.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace orv::orbit {

namespace {

// Far beyond any real element file; stops a huge file from swallowing memory.
constexpr size_t kLargestElementFile = 64u << 20;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

enum class ReadOutcome { Read, Missing, TooLarge };

// Opened without waiting (a named pipe would block until a writer came) and read only
// when it is a regular file: a pipe, a device or a directory is no element file.
ReadOutcome readWholeFile(const std::string& path, std::string& text, std::string& reason) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = path + ": " + std::strerror(errno);
        return ReadOutcome::Missing;
    }
    std::unique_ptr<std::FILE, FileCloser> file(::fdopen(fd, "rb"));
    if (!file) {
        ::close(fd);
        reason = path + ": " + std::strerror(errno);
        return ReadOutcome::Missing;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        reason = path + ": not a regular file";
        return ReadOutcome::Missing;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    char buffer[1 << 16];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        if (text.size() + got > kLargestElementFile) {
            reason = path + ": larger than any element file";
            return ReadOutcome::TooLarge;
        }
        text.append(buffer, got);
    }
    if (std::ferror(file.get())) {
        reason = path + ": " + std::strerror(errno);
        return ReadOutcome::Missing;
    }
    return ReadOutcome::Read;
}

} // namespace

std::string elementFileName(const std::string& configuredPath) {
    return configuredPath.empty() ? kDefaultElementFile : configuredPath;
}

std::string elementFilePath(const std::string& programDir, const std::string& configuredPath) {
    const std::string name = elementFileName(configuredPath);
    if (name.front() == '/' || programDir.empty()) return name;
    return programDir + "/" + name;
}

ImportResult importElementFile(const std::string& path, ElementStore& store, double dayNumber,
                               const std::function<void()>& ageWarning) {
    ImportResult result;
    std::string text;
    switch (readWholeFile(path, text, result.detail)) {
    case ReadOutcome::Missing:
        result.status = ImportStatus::FileMissing;
        return result;
    case ReadOutcome::TooLarge:
        result.status = ImportStatus::FileCorrupt;
        return result;
    case ReadOutcome::Read:
        break;
    }
    const ElementFileContents contents = parseElementFile(text);

    const std::string storedAge = store.ageText();
    const double age = storedAge.empty() ? dayNumber : core::leadingNumber(storedAge);
    if (dayNumber - age >= kElementAgeWarningDays && ageWarning) ageWarning();

    core::SettingsStore& settings = store.settings();
    settings.inTransaction([&] {
        settings.remove(kElementApplication);
        store.stampAge(age);
        for (const auto& record : contents.records) {
            settings.save(kElementApplication, record.name, "1", record.line1);
            settings.save(kElementApplication, record.name, "2", record.line2);
        }
    });
    result.setsWritten = static_cast<int>(contents.records.size());
    if (!contents.complete) {
        result.status = ImportStatus::FileCorrupt;
        result.detail = path + ": the record at line " + std::to_string(contents.faultLine) +
                        " is incomplete or out of step";
    }
    return result;
}

} // namespace orv::orbit
