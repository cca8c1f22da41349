// The creation order of a form's controls: tab order, with each naming label
// moved just before its field, where screen readers look for a name.
#include <gtest/gtest.h>

#include <algorithm>

#include "dialog/frmParamDesign.h"
#include "platform/ControlOrder.h"

namespace talvorin {
namespace {

std::vector<std::string> namesInCreationOrder(const std::vector<ControlDesign>& controls) {
    std::vector<const ControlDesign*> designs;
    for (const auto& c : controls) designs.push_back(&c);
    std::vector<std::string> names;
    for (const std::size_t i : creationOrder(designs)) names.push_back(controls[i].name);
    return names;
}

ControlDesign control(const char* name, int tabIndex, const char* labelledBy = "") {
    ControlDesign c;
    c.name = name;
    c.tabIndex = tabIndex;
    c.labelledBy = labelledBy;
    return c;
}

TEST(ControlOrderTest, TabOrderWithEachNamingLabelBeforeItsField) {
    struct Case {
        const char* what;
        std::vector<ControlDesign> controls;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"no naming labels: the tab order",
         {control("b", 2), control("a", 1), control("c", 2)},
         {"a", "b", "c"}},
        {"a label later in tab order moves up to its field",
         {control("field", 1, "lab"), control("other", 2), control("lab", 3)},
         {"lab", "field", "other"}},
        {"a label earlier in tab order moves down to its field",
         {control("lab", 0), control("other", 1), control("field", 2, "lab")},
         {"other", "lab", "field"}},
        {"a label that is not there changes nothing",
         {control("field", 1, "missing"), control("other", 0)},
         {"other", "field"}},
    };
    for (const Case& c : cases) EXPECT_EQ(namesInCreationOrder(c.controls), c.expected) << c.what;
}

TEST(ControlOrderTest, TheDialogKeepsItsTabStopsInOrder) {
    const auto& controls = frmParamDesign().controls;
    const auto names = namesInCreationOrder(controls);
    std::vector<int> tabStops;
    for (const auto& name : names)
        for (const auto& c : controls)
            if (c.name == name && c.kind != ControlKind::Label) tabStops.push_back(c.tabIndex);
    EXPECT_TRUE(std::is_sorted(tabStops.begin(), tabStops.end()));
    for (std::size_t i = 1; i < names.size(); ++i) {
        for (const auto& c : controls) {
            if (c.name == names[i] && !c.labelledBy.empty()) {
                EXPECT_EQ(names[i - 1], c.labelledBy) << c.name;
            }
        }
    }
}

}  // namespace
}  // namespace talvorin
