#include "program/InstanceKey.h"

#include <cstdint>

#include "base/Files.h"

namespace talvorin {

namespace {

uint64_t fnv1a64(const std::string& bytes) {
    uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

}  // namespace

std::string instanceKey(const std::string& optionsFile) {
    static constexpr char kHex[] = "0123456789abcdef";
    uint64_t hash = fnv1a64(os::canonicalPath(optionsFile));
    std::string digits(16, '0');
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, hash >>= 4) *it = kHex[hash & 0xf];
    return "talvorin-" + digits;
}

}  // namespace talvorin
