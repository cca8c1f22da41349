// The settings dialog: filling, defaults and the apply sequence.
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

#include "TestSupport.h"
#include "base/Files.h"
#include "dialog/Conversion.h"
#include "dialog/SaveFailure.h"
#include "dialog/frmParamDesign.h"
#include "settings/OptionsFile.h"

namespace talvorin::testing {
namespace {

namespace fs = std::filesystem;

class DialogTest : public ClockTest {
  protected:
    void openDialog() {
        rt.answers = {vbCancel};
        rt.click("frmMain", "");
    }
    ScriptedWindowState& dialog() { return rt.window("frmParam"); }
    std::string field(const std::string& name) { return dialog().controls.at(name).text; }
    void type(const std::string& box, const std::string& text) { rt.type("frmParam", box, text); }
    void apply() { rt.click("frmParam", "cmdOk"); }
};

TEST_F(DialogTest, ChecksTheBoxesForEveryFlagButExactlyZero) {
    const struct {
        const char* flag;
        int checked;
    } rows[] = {{"1", 1}, {"0", 0}, {"", 1}, {"00", 1}, {" 1", 1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string("'") + row.flag + "'");
        HeadlessProgram other;
        other.givenFile(defaultFileWith({{13, row.flag}, {15, row.flag}}));
        other.start();
        other.rt.answers = {vbCancel};
        other.rt.click("frmMain", "");
        const ScriptedWindowState& dialog = other.rt.window("frmParam");
        EXPECT_EQ(dialog.controls.at("chkVis").value, row.checked);
        EXPECT_EQ(dialog.controls.at("chkSecondes").value, row.checked);
    }
}

TEST_F(DialogTest, DefaultsFillTheFieldsOnlyUntilApplied) {
    givenFile(defaultFileWith({{2, "200"}, {11, "100"}, {13, "1"}}));
    start();
    openDialog();
    const ClockSettings before = clock().settings;
    rt.click("frmParam", "cmdDefaut");
    EXPECT_EQ(field("txtTransp"), "127");
    EXPECT_EQ(field("txtR"), "0");
    EXPECT_EQ(field("txtG"), "64");
    EXPECT_EQ(field("txtB"), "127");
    EXPECT_EQ(field("txtTaille"), "48");
    EXPECT_EQ(field("txtTop"), "500");
    EXPECT_EQ(field("txtLeft"), "800");
    EXPECT_EQ(dialog().controls.at("chkVis").value, 0);
    EXPECT_EQ(clock().settings, before);
    EXPECT_EQ(fileBytes(), defaultFileWith({{2, "200"}, {11, "100"}, {13, "1"}}));

    apply();
    EXPECT_EQ(clock().settings, defaultSettings());
    EXPECT_EQ(fileBytes(), kDefaultFile);
}

TEST_F(DialogTest, ApplyStoresCleanedValuesMovesAndLaysOutTheClock) {
    start();
    openDialog();
    type("txtTransp", "300");
    type("txtR", "-5");
    type("txtG", "12a");
    type("txtB", "");
    type("txtTaille", "5");
    type("txtTop", "-300");
    type("txtLeft", "1500");
    rt.setCheck("frmParam", "chkVis", 1);
    rt.setCheck("frmParam", "chkSecondes", 1);
    const uint32_t colourBefore = clockWindow().backColor;
    apply();

    const ClockSettings& s = clock().settings;
    EXPECT_EQ(s.Trans, 255);
    EXPECT_EQ(s.CoulR, 5);
    EXPECT_EQ(s.CoulG, 12);
    EXPECT_EQ(s.CoulB, 0);
    EXPECT_EQ(s.hText, 20);
    EXPECT_EQ(s.posT, 0);
    EXPECT_EQ(s.posL, 1500);
    EXPECT_EQ(s.onTheTop, "1");
    EXPECT_EQ(s.Secondes, "1");
    EXPECT_TRUE(rt.messageBoxes.size() == 1);  // only the prompt: nothing failed to convert

    EXPECT_EQ(clockWindow().top, 0);
    EXPECT_EQ(clockWindow().left, 1500);
    EXPECT_EQ(clockWindow().height, 1480);
    EXPECT_EQ(clockWindow().width, 1520);
    EXPECT_EQ(clockControl("LabHeure").fontSize, 20);
    EXPECT_TRUE(clockWindow().topmost);
    EXPECT_EQ(clockWindow().backColor, colourBefore);  // colour shows from the next start
    EXPECT_TRUE(clockControl("Timer1").enabled);
    EXPECT_EQ(rt.doEventsCalls, 1);

    EXPECT_EQ(field("txtTransp"), "255");  // refreshed from the record
    EXPECT_EQ(field("txtTaille"), "20");
    EXPECT_EQ(lineOf(fileBytes(), 2), "255");

    rt.setCheck("frmParam", "chkVis", 0);
    apply();
    EXPECT_EQ(clock().settings.onTheTop, "0");
    EXPECT_FALSE(clockWindow().topmost);
}

TEST_F(DialogTest, BadTextInEveryFieldShowsSevenMessagesAndStillApplies) {
    start();
    openDialog();
    for (const char* box : {"txtTransp", "txtR", "txtG", "txtB", "txtTaille", "txtTop", "txtLeft"})
        type(box, "xyz");
    std::vector<bool> timerDuringMessages;
    rt.whileMessageBoxOpen = [&](const ScriptedMessageBox&) {
        timerDuringMessages.push_back(clockControl("Timer1").enabled);
    };
    apply();
    ASSERT_EQ(rt.messageBoxes.size(), 8u);  // the prompt, then one per field
    ASSERT_EQ(timerDuringMessages.size(), 7u);
    for (std::size_t i = 1; i < 8; ++i) {
        EXPECT_EQ(rt.messageBoxes[i].prompt, "Erreur dans fonction Conv");
        EXPECT_FALSE(timerDuringMessages.at(i - 1));
    }
    EXPECT_EQ(clock().settings.hText, 0);
    EXPECT_EQ(clock().settings.Trans, 0);
    EXPECT_EQ(clockWindow().height, 1000);
    EXPECT_EQ(clockWindow().width, 200);
    EXPECT_EQ(field("txtTaille"), "0");
    EXPECT_TRUE(clockControl("Timer1").enabled);
}

TEST(SaveFailure, NamesTheFileAndTheCauseInFrench) {
    const struct {
        ErrorCode code;
        const char* cause;
    } rows[] = {{ErrorCode::PermissionDenied, "accès refusé"},
                {ErrorCode::DiskFull, "disque plein"},
                {ErrorCode::PathNotFound, "chemin introuvable"},
                {ErrorCode::PathFileAccess, "erreur d'accès au chemin ou au fichier"}};
    for (const auto& row : rows)
        EXPECT_EQ(saveFailureText("/x/tl_options.txt", row.code),
                  std::string("Impossible d'enregistrer les options dans /x/tl_options.txt : ") +
                      row.cause + ".");
}

TEST_F(DialogTest, FailedWriteWarnsKeepsTheNewValuesAndRestartsTheClock) {
    const struct {
        const char* what;
        std::function<void(const fs::path&)> spoil;
        const char* cause;
    } rows[] = {
        {"read-only file",
         [](const fs::path& file) { fs::permissions(file, fs::perms::owner_read); },
         "accès refusé"},
        {"a folder in its place",
         [](const fs::path& file) {
             fs::remove(file);
             fs::create_directory(file);
         },
         "erreur d'accès au chemin ou au fichier"},
        {"a folder only root may write, as any other user sees it",
         [](const fs::path&) {
             os::setDurableStepHook([](os::DurableStep, auto&) { return EACCES; });
         },
         "accès refusé"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TempFolder other;
        ScriptedRuntime runtime;
        runtime.directory_ = other.path();
        const fs::path file = other.path() / "tl_options.txt";
        writeBytes(file, kDefaultFile);
        Program p(runtime);
        p.start();
        runtime.tick("frmMain");
        runtime.answers = {vbCancel};
        runtime.click("frmMain", "");
        runtime.type("frmParam", "txtTaille", "60");
        runtime.type("frmParam", "txtTop", "2000");
        row.spoil(file);
        runtime.click("frmParam", "cmdOk");
        ASSERT_EQ(runtime.messageBoxes.size(), 2u);
        EXPECT_EQ(runtime.messageBoxes[1].prompt, "Impossible d'enregistrer les options dans " +
                                                      file.string() + " : " + row.cause + ".");
        EXPECT_EQ(runtime.messageBoxes[1].title, "Talvorin");
        EXPECT_EQ(runtime.messageBoxes[1].style, vbExclamation);
        EXPECT_EQ(p.mainForm().settings.hText, 60);
        EXPECT_EQ(p.mainForm().settings.posT, 2000);
        const ScriptedWindowState& window = runtime.window("frmMain");
        EXPECT_EQ(window.height, 2152);  // neither moved nor resized
        EXPECT_EQ(window.top, 500);
        EXPECT_TRUE(window.controls.at("Timer1").enabled);
        EXPECT_EQ(runtime.doEventsCalls, 0);
        os::setDurableStepHook({});
    }
}

TEST_F(DialogTest, OverlongTextWarnsAndKeepsTheFieldsAfterIt) {
    start();
    openDialog();
    type("txtR", std::string(40000, '9'));
    type("txtTaille", "100");
    apply();
    ASSERT_EQ(rt.messageBoxes.size(), 2u);
    EXPECT_EQ(rt.messageBoxes[1].prompt, "Des valeurs sont non conformes");
    EXPECT_EQ(clock().settings.hText, 48);
    EXPECT_TRUE(clockControl("Timer1").enabled);
}

TEST_F(DialogTest, ReopeningKeepsEditsAndClosingDiscardsThem) {
    start();
    openDialog();
    type("txtTransp", "42");
    openDialog();
    EXPECT_EQ(field("txtTransp"), "42");
    rt.closeByUser("frmParam");
    EXPECT_EQ(clock().settings.Trans, 127);
    openDialog();
    EXPECT_EQ(rt.windowsCreated("frmParam"), 2);
    EXPECT_EQ(field("txtTransp"), "127");
}

TEST_F(DialogTest, DialogClosedDuringTheApplyIsNotReloaded) {
    start();
    openDialog();
    type("txtTaille", "30");
    rt.pendingEvents.push_back([&] { rt.closeByUser("frmParam"); });
    apply();
    EXPECT_EQ(clock().settings.hText, 30);
    EXPECT_EQ(clockControl("LabHeure").fontSize, 30);
    EXPECT_EQ(program->paramForm().lastUnhandledError(), std::nullopt);
    EXPECT_TRUE(clockControl("Timer1").enabled);
}

TEST_F(DialogTest, ProgramEndedDuringTheApplyKeepsTheSavedFile) {
    start();
    openDialog();
    type("txtTaille", "30");
    rt.pendingEvents.push_back([&] {
        rt.answers = {vbYes};
        rt.click("frmMain", "");
    });
    apply();
    EXPECT_TRUE(rt.ended);
    EXPECT_EQ(lineOf(fileBytes(), 11), "30");
    EXPECT_EQ(rt.messageBoxes.size(), 2u);  // the two prompts, no warning
    clock().reload();  // too late: without its window nothing falls back over the file
    EXPECT_EQ(lineOf(fileBytes(), 11), "30");
}

TEST(DialogDesign, TabOrderFollowsTheFieldsAsLaidOut) {
    std::vector<std::pair<int, std::string>> focusable;
    for (const auto& c : frmParamDesign().controls)
        if (c.kind != ControlKind::Label) focusable.emplace_back(c.tabIndex, c.name);
    std::sort(focusable.begin(), focusable.end());
    std::vector<std::string> order;
    for (const auto& [index, name] : focusable) order.push_back(name);
    EXPECT_EQ(order, (std::vector<std::string>{"txtB", "txtG", "txtR", "txtTransp", "txtTop",
                                               "txtLeft", "chkVis", "txtTaille", "chkSecondes",
                                               "cmdDefaut", "cmdOk"}));
    EXPECT_EQ(frmParamDesign().controls.size(), 27u);
}

}  // namespace
}  // namespace talvorin::testing
