#include "dialog/frmParamDesign.h"

#include <utility>

namespace talvorin {

namespace {

struct Row {
    const char* name;
    ControlKind kind;
    const char* caption;
    TextAlign align;
    int32_t left, top, width, height;
    int tabIndex;
};

constexpr auto L = ControlKind::Label;
constexpr auto T = ControlKind::TextBox;
constexpr auto C = ControlKind::CheckBox;
constexpr auto B = ControlKind::Button;
constexpr auto R = TextAlign::Right;
constexpr auto A = TextAlign::Left;

// Row by row from the top, each row from left to right.
constexpr Row kRows[] = {
    {"Label9", L, "Afficher les secondes", R, 0, 120, 1692, 372, 16},
    {"chkSecondes", C, "", A, 1920, 120, 372, 192, 17},
    {"Label3", L, "Transparence", R, 0, 600, 1452, 372, 14},
    {"txtTransp", T, "", A, 1680, 540, 1215, 375, 8},
    {"Label10", L, "(0 - 255) Defaut : 127", A, 3120, 600, 2172, 372, 18},
    {"Label4", L, "Masque RGB : R", R, 120, 1080, 1332, 372, 4},
    {"txtR", T, "", A, 1680, 1020, 1215, 375, 5},
    {"Label11", L, "(0 - 255) Defaut : 0", A, 3120, 1080, 2172, 372, 19},
    {"Label2", L, "G", R, 120, 1560, 1332, 372, 2},
    {"txtG", T, "", A, 1680, 1500, 1215, 375, 3},
    {"Label12", L, "(0 - 255) Defaut : 64", A, 3120, 1560, 2172, 372, 20},
    {"Label1", L, "B", R, 120, 2040, 1332, 372, 0},
    {"txtB", T, "", A, 1680, 1980, 1215, 375, 1},
    {"Label13", L, "(0 - 255) Defaut : 127", A, 3120, 2040, 2172, 372, 21},
    {"Label6", L, "Taille des chiffres", R, 240, 2760, 1332, 372, 7},
    {"txtTaille", T, "", A, 1680, 2700, 1215, 375, 13},
    {"Label14", L, "(20 - 255) Defaut : 48", A, 3000, 2760, 2172, 372, 22},
    {"Label5", L, "Position de la fenetre : haut", R, 240, 3360, 2052, 372, 6},
    {"txtTop", T, "", A, 2400, 3300, 1215, 375, 9},
    {"Label15", L, "Defaut : 500", A, 3720, 3360, 2172, 372, 23},
    {"Label8", L, "gauche", R, 1560, 3840, 732, 372, 15},
    {"txtLeft", T, "", A, 2400, 3780, 1215, 375, 10},
    {"Label16", L, "Defaut : 800", A, 3720, 3840, 2172, 372, 24},
    {"Label7", L, "Toujours visble", R, 120, 4560, 1212, 372, 11},
    {"chkVis", C, "(au dessus de toutes les fenêtres)", A, 1440, 4440, 2775, 495, 12},
    {"cmdDefaut", B, "Par défaut", A, 240, 5040, 1572, 372, 25},
    {"cmdOk", B, "Valider !", A, 3000, 5040, 1572, 372, 26},
};

// Which label names which field for screen readers: the one beside it. The
// second check box carries its own caption.
constexpr std::pair<const char*, const char*> kLabelFor[] = {
    {"chkSecondes", "Label9"}, {"txtTransp", "Label3"}, {"txtR", "Label4"},   {"txtG", "Label2"},
    {"txtB", "Label1"},        {"txtTaille", "Label6"}, {"txtTop", "Label5"}, {"txtLeft", "Label8"},
};

FormDesign makeDesign() {
    FormDesign d;
    d.name = "frmParam";
    d.caption = "Talvorin - Paramètres";
    d.clientWidth = 5010;
    d.clientHeight = 5655;
    d.frame = FormFrame::Sizable;
    d.role = FormRole::Dialog;
    for (const Row& r : kRows) {
        ControlDesign c;
        c.name = r.name;
        c.kind = r.kind;
        c.caption = r.caption;
        c.align = r.align;
        c.left = r.left;
        c.top = r.top;
        c.width = r.width;
        c.height = r.height;
        c.tabIndex = r.tabIndex;
        for (const auto& [field, label] : kLabelFor)
            if (c.name == field) c.labelledBy = label;
        d.controls.push_back(c);
    }
    return d;
}

}  // namespace

const FormDesign& frmParamDesign() {
    static const FormDesign design = makeDesign();
    return design;
}

}  // namespace talvorin
