#include "platform/ControlGeometry.h"

#include "base/Twips.h"

namespace talvorin {

PixelRect pixelRect(const ControlDesign& control, double dpi) {
    return PixelRect{pixelsFromTwips(control.left, dpi), pixelsFromTwips(control.top, dpi),
                     pixelsFromTwips(control.width, dpi), pixelsFromTwips(control.height, dpi)};
}

std::string labelAt(const FormDesign& design, PixelPoint client, double dpi) {
    for (auto it = design.controls.rbegin(); it != design.controls.rend(); ++it) {
        if (it->kind != ControlKind::Label) continue;
        const PixelRect r = pixelRect(*it, dpi);
        if (client.x >= r.left && client.x < r.left + r.width && client.y >= r.top &&
            client.y < r.top + r.height)
            return it->name;
    }
    return {};
}

}  // namespace talvorin
