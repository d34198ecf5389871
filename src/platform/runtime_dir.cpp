#include "platform/runtime_dir.h"

#include <QDir>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace orv::platform {

namespace {
bool makePrivateDir(const std::string& path, std::string& error) {
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        error = "cannot create " + path + ": " + std::strerror(errno);
        return false;
    }
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid()) {
        error = path + " is not a directory owned by this user";
        return false;
    }
    if ((info.st_mode & 077) != 0 && ::chmod(path.c_str(), 0700) != 0) {
        error = "cannot make " + path + " private: " + std::strerror(errno);
        return false;
    }
    return true;
}
} // namespace

std::string privateRuntimeDir(const std::string& sub, std::string& error) {
    std::string base;
    if (const char* xdg = std::getenv("XDG_RUNTIME_DIR"); xdg && *xdg) {
        base = xdg;
    } else {
        base = QDir::tempPath().toStdString() + "/orv_kite-" + std::to_string(::getuid());
        if (!makePrivateDir(base, error)) return {};
    }
    std::string path = base + "/orv_kite";
    if (!makePrivateDir(path, error)) return {};
    if (!sub.empty()) {
        path += "/" + sub;
        if (!makePrivateDir(path, error)) return {};
    }
    return path;
}

} // namespace orv::platform
