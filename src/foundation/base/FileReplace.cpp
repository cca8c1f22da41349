#include "base/FileReplace.h"

#include <atomic>
#include <chrono>
#include <string>

#include "base/Error.h"
#include "base/FileReplaceOs.h"
#include "base/Paths.h"

namespace talvorin {

namespace fs = std::filesystem;

namespace {

// A name no other writer in the folder uses, so two copies of the program
// writing at once never share a temporary file.
fs::path temporaryBeside(const fs::path& path) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path tmp = path;
    tmp += ".tmp" + std::to_string(stamp) + "-" + std::to_string(counter++);
    return tmp;
}

void removeQuietly(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

}  // namespace

void replaceFile(const fs::path& path, std::string_view bytes) {
    const fs::path tmp = temporaryBeside(path);
    try {
        os::writeDurably(tmp, bytes);
        os::moveOver(tmp, path);
    } catch (const RuntimeError& e) {
        removeQuietly(tmp);
        // Named after the file the caller asked for: the temporary name
        // would mean nothing to whoever reads the error.
        throw RuntimeError(e.code(), "cannot write " + utf8Path(path) + " (" + e.what() + ")");
    } catch (...) {
        removeQuietly(tmp);
        throw;
    }
}

}  // namespace talvorin
