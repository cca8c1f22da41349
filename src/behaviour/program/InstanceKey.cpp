#include "program/InstanceKey.h"

#include <cstdint>
#include <system_error>

namespace talvorin {

namespace {

// Windows file names ignore case: two spellings of one path are one file.
constexpr bool kNamesIgnoreCase = std::filesystem::path::preferred_separator == L'\\';

std::string fullPathText(const std::filesystem::path& file) {
    std::error_code error;
    std::filesystem::path full = std::filesystem::weakly_canonical(file, error);
    if (error) full = std::filesystem::absolute(file, error);
    if (error) full = file;
    const std::u8string bytes = full.lexically_normal().u8string();
    std::string text(bytes.begin(), bytes.end());
    if (kNamesIgnoreCase)
        for (char& c : text)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

uint64_t fnv1a64(const std::string& bytes) {
    uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

}  // namespace

std::string instanceKey(const std::filesystem::path& optionsFile) {
    static constexpr char kHex[] = "0123456789abcdef";
    uint64_t hash = fnv1a64(fullPathText(optionsFile));
    std::string digits(16, '0');
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, hash >>= 4) *it = kHex[hash & 0xf];
    return "talvorin-" + digits;
}

}  // namespace talvorin
