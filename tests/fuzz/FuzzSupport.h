// Shared by the harnesses: a private folder that lives as long as the fuzzer,
// and the one way a harness reports a broken promise.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace talvorin::fuzz {

inline const std::string& scratchFolder() {
    // A plain array, not the string: it must outlive the exit handler below.
    static char name[] = "/tmp/talvorin-fuzz-XXXXXX";
    static const std::string folder = [] {
        if (!::mkdtemp(name)) std::abort();
        // libFuzzer ends a timed run with exit(), so this runs then.
        std::atexit([] { std::filesystem::remove_all(name); });
        return std::string(name);
    }();
    return folder;
}

inline void putFile(const std::string& path, const uint8_t* data, size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

inline std::string getFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

[[noreturn]] inline void broken(const char* promise) {
    std::fprintf(stderr, "broken: %s\n", promise);
    std::abort();
}

}  // namespace talvorin::fuzz
