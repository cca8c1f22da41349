// The reader and the parser: any bytes as the options file. Only typed errors
// may come out, the lines hold no line ends, and a value read back from its
// own text is the same value.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "base/Error.h"
#include "base/Integers.h"
#include "settings/OptionsFile.h"

using namespace talvorin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::scratchFolder() + "/tl_options.txt";
    fuzz::putFile(path, data, size);
    try {
        const auto lines = readOptionLines(path);
        if (size > kMaxOptionsBytes) fuzz::broken("a file over the limit was read");
        if (lines.size() > static_cast<size_t>(kOptionsLineCount)) fuzz::broken("too many lines");
        for (const auto& line : lines) {
            if (line.find_first_of("\r\n") != std::string::npos) fuzz::broken("a line end kept");
            try {
                const int32_t value = parseInt32(line);
                if (parseInt32(toText(value)) != value) fuzz::broken("32-bit round trip");
                const int16_t small = parseInt16(line);
                if (small != value) fuzz::broken("16 and 32 bits disagree");
            } catch (const RuntimeError&) {
            }
        }
    } catch (const RuntimeError& e) {
        if (size <= kMaxOptionsBytes) fuzz::broken("a small regular file was refused");
    }
    return 0;
}
