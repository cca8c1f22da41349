#include "platform/qt/QtStartAtLogin.h"

#include <QCoreApplication>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include "base/Error.h"
#include "base/FileReplace.h"
#include "base/Paths.h"
#include "platform/AutostartEntry.h"

namespace talvorin {

namespace {

std::filesystem::path entryPath() {
    const auto path = autostartEntryPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    if (path.empty())
        throw RuntimeError(ErrorCode::PathNotFound, "no configuration folder (HOME unset)");
    return path;
}

}  // namespace

bool qtStartsAtLogin() {
    std::ifstream in(entryPath(), std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    return autostartEntryEnabled(text.str());
}

void qtSetStartAtLogin(bool on) {
    const std::filesystem::path path = entryPath();
    std::error_code error;
    if (on) {
        std::filesystem::create_directories(path.parent_path(), error);
        if (error)
            throw RuntimeError(ErrorCode::PathNotFound,
                               path.parent_path().string() + ": " + error.message());
        replaceFile(path.string(), autostartEntry(QCoreApplication::applicationFilePath().toStdString()));
        return;
    }
    std::filesystem::remove(path, error);
    if (error)
        throw RuntimeError(ErrorCode::PermissionDenied, path.string() + ": " + error.message());
}

}  // namespace talvorin
