// The dialog's conversions: any text typed in a field. Only typed errors come
// out; a byte field ends within its bounds (or 0 after the conversion
// message), a position within the screen's.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "base/Error.h"
#include "dialog/Conversion.h"
#include "scripted/ScriptedRuntime.h"

using namespace talvorin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const int16_t minimum = static_cast<int16_t>(data[0] % 2 ? 20 : 0);
    const std::string typed(reinterpret_cast<const char*>(data + 1), size - 1);
    ScriptedRuntime runtime;
    try {
        std::string text = typed;
        const int16_t value = convByte(runtime, text, minimum);
        const bool told = !runtime.messageBoxes.empty();
        if (told ? value != 0 : (value < minimum || value > 255))
            fuzz::broken("byte field out of its bounds");
    } catch (const RuntimeError&) {
    }
    try {
        const int32_t position = convLong(runtime, typed);
        if (position < 0 || position > kMaxPositionTwips)
            fuzz::broken("position beyond the screen's coordinates");
    } catch (const RuntimeError&) {
    }
    return 0;
}
