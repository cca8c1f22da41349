#include "clock/Layout.h"

#include "base/Error.h"
#include "base/Integers.h"

namespace talvorin {

int16_t windowHeight(int16_t hText) {
    return checkedAdd16(checkedMul16(hText, 24), 1000);
}

int16_t windowWidth(int16_t hText, bool withSeconds) {
    return checkedAdd16(checkedMul16(hText, withSeconds ? 66 : 44), 200);
}

double requireSize(int16_t twips) {
    if (twips < 0) throw RuntimeError(ErrorCode::InvalidPropertyValue, "negative window size");
    return twips;
}

}  // namespace talvorin
