// Shared by the harnesses: a private folder that lives as long as the fuzzer,
// and the one way a harness reports a broken promise.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace talvorin::fuzz {

inline const std::string& scratchFolder() {
    static const std::string folder = [] {
        char name[] = "/tmp/talvorin-fuzz-XXXXXX";
        if (!::mkdtemp(name)) std::abort();
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
