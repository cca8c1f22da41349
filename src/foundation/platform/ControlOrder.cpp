#include "platform/ControlOrder.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace talvorin {

std::vector<std::size_t> creationOrder(const std::vector<const ControlDesign*>& controls) {
    std::vector<std::size_t> byTab(controls.size());
    std::iota(byTab.begin(), byTab.end(), std::size_t{0});
    std::stable_sort(byTab.begin(), byTab.end(), [&](std::size_t a, std::size_t b) {
        return controls[a]->tabIndex < controls[b]->tabIndex;
    });
    auto labelOf = [&](std::size_t field) -> std::size_t {
        const std::string& name = controls[field]->labelledBy;
        if (name.empty()) return controls.size();
        for (std::size_t i = 0; i < controls.size(); ++i)
            if (i != field && controls[i]->name == name) return i;
        return controls.size();
    };
    std::vector<bool> naming(controls.size(), false);
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (const std::size_t label = labelOf(i); label < controls.size()) naming[label] = true;

    std::vector<std::size_t> order;
    order.reserve(controls.size());
    for (const std::size_t i : byTab) {
        if (naming[i]) continue;  // placed with its field
        if (const std::size_t label = labelOf(i); label < controls.size()) order.push_back(label);
        order.push_back(i);
    }
    return order;
}

}  // namespace talvorin
