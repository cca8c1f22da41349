// A click on the clock: the prompt, its three answers and the dialog it opens.
#include <gtest/gtest.h>

#include <map>

#include "TestSupport.h"
#include "clock/frmMainDesign.h"
#include "dialog/frmParamDesign.h"

namespace talvorin::testing {
namespace {

class PromptTest : public ClockTest {
  protected:
    PromptTest() {
        givenFile(kDefaultFile);
        start();
    }
};

TEST_F(PromptTest, EveryClickGivesTheSamePromptWithTheClockHidden) {
    bool hiddenDuringBox = false;
    rt.whileMessageBoxOpen = [&](const ScriptedMessageBox&) {
        hiddenDuringBox = !clockWindow().visible;
    };
    for (const char* place : {"", "LabDay", "LabHeure"}) {
        SCOPED_TRACE(std::string("click on '") + place + "'");
        rt.messageBoxes.clear();
        hiddenDuringBox = false;
        rt.answers = {vbNo};
        rt.click("frmMain", place);
        ASSERT_EQ(rt.messageBoxes.size(), 1u);
        const std::string path = (folder.path() / "tl_options.txt").string();
        EXPECT_EQ(rt.messageBoxes[0].prompt,
                  "Les options sont modifiables dans \r\n" + path +
                      "\r\n(cliquer sur Annuler modifier les paramètres).\r\n\r\n"
                      "Voulez-vous quitter Talvorin maintenant ?");
        EXPECT_EQ(rt.messageBoxes[0].title, "Quitter Talvorin");
        EXPECT_EQ(rt.messageBoxes[0].style, vbYesNoCancel);
        EXPECT_TRUE(hiddenDuringBox);
        EXPECT_TRUE(clockWindow().visible);
    }
    EXPECT_FALSE(rt.hasWindow("frmParam"));
    EXPECT_FALSE(rt.ended);
}

TEST_F(PromptTest, YesShowsTheClockAgainThenEndsTheProgram) {
    rt.answers = {vbCancel};
    rt.click("frmMain", "LabHeure");
    rt.answers = {vbYes};
    rt.click("frmMain", "LabHeure");
    const auto& ops = clockWindow().operations;
    ASSERT_GE(ops.size(), 2u);
    EXPECT_EQ(ops[ops.size() - 2], "show");
    EXPECT_EQ(ops.back(), "unload");
    EXPECT_TRUE(rt.ended);
    EXPECT_FALSE(rt.window("frmParam").visible);
    EXPECT_FALSE(clock().loaded());
}

TEST_F(PromptTest, AnyOtherAnswerOpensOneDialogFilledFromTheSettings) {
    for (int answer : {vbCancel, 0, vbOK, vbCancel}) {
        rt.answers = {answer};
        rt.click("frmMain", "");
    }
    EXPECT_EQ(rt.windowsCreated("frmParam"), 1);
    ScriptedWindowState& dialog = rt.window("frmParam");
    EXPECT_TRUE(dialog.visible);
    EXPECT_EQ(dialog.caption, "Talvorin - Paramètres");
    EXPECT_EQ(dialog.controls.at("txtTransp").text, "127");
    EXPECT_EQ(dialog.controls.at("txtTop").text, "0");  // no tick yet since the start
    EXPECT_TRUE(clockWindow().visible);
}

TEST_F(PromptTest, EnterAndSpaceOnTheClockGiveThePromptAndNothingOnTheDialog) {
    for (const Key key : {Key::Enter, Key::Space}) {
        rt.messageBoxes.clear();
        rt.answers = {vbCancel};
        rt.pressKey("frmMain", key);
        ASSERT_EQ(rt.messageBoxes.size(), 1u);
        EXPECT_EQ(rt.messageBoxes[0].title, "Quitter Talvorin");
        // The dialog takes its keys in its controls; its surface does nothing.
        rt.window("frmParam").keyboardFocus = true;
        rt.pressKey("frmParam", key);
        EXPECT_EQ(rt.messageBoxes.size(), 1u);
        EXPECT_TRUE(rt.window("frmParam").visible);
    }
}

TEST(DesignTest, EveryDialogFieldIsNamedByTheLabelBesideIt) {
    const FormDesign& dialog = frmParamDesign();
    const std::map<std::string, std::string> expected = {
        {"txtTransp", "Transparence"},
        {"txtR", "Masque RGB : R"},
        {"txtG", "G"},
        {"txtB", "B"},
        {"txtTaille", "Taille des chiffres"},
        {"txtTop", "Position de la fenetre : haut"},
        {"txtLeft", "gauche"},
        {"chkSecondes", "Afficher les secondes"},
        {"chkVis", "(au dessus de toutes les fenêtres)"},
    };
    std::map<std::string, std::string> captions;
    for (const ControlDesign& c : dialog.controls) captions[c.name] = c.caption;
    std::map<std::string, std::string> names;
    for (const ControlDesign& c : dialog.controls)
        if (c.kind == ControlKind::TextBox || c.kind == ControlKind::CheckBox)
            names[c.name] = c.labelledBy.empty() ? c.caption : captions.at(c.labelledBy);
    EXPECT_EQ(names, expected);
    EXPECT_EQ(dialog.role, FormRole::Dialog);
    EXPECT_EQ(frmMainDesign().accessibleNameFrom, "LabHeure");
    EXPECT_TRUE(frmMainDesign().keyboardFocus);
}

TEST_F(PromptTest, AnErrorInAHandlerNeverStopsTheClock) {
    rt.failingOperations = {"hide"};
    rt.click("frmMain", "LabHeure");
    EXPECT_EQ(clock().lastUnhandledError(), ErrorCode::InvalidPropertyValue);
    rt.failingOperations.clear();
    rt.tick("frmMain");
    EXPECT_EQ(clockControl("LabHeure").text, "14:05");
}

}  // namespace
}  // namespace talvorin::testing
