// The notification-area icon: its menu, its tooltip's pace, what each item
// does to the clock, starting at login, and a desktop without a tray. Also
// the XDG autostart entry the Linux program writes.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/AutostartEntry.h"
#include "program/TrayMenu.h"

namespace talvorin::testing {
namespace {

class TrayTest : public ClockTest {
  protected:
    void startWith(const std::string& file) {
        givenFile(file);
        start();
    }
    ScriptedTrayState& tray() { return rt.tray(); }
};

TEST_F(TrayTest, MenuAndTooltipAsDesigned) {
    rt.startAtLogin = true;
    startWith(kDefaultFile);
    const auto& items = tray().design.items;
    const std::vector<std::pair<std::string, bool>> expected = {
        {"Afficher l'horloge", false},
        {"Paramètres…", false},
        {"Lancer à l'ouverture de session", true},
        {"", false},
        {"Afficher les secondes", true},
        {"Laisser passer les clics", true},
        {"Verrouiller la position", true},
        {"Masquer en plein écran", true},
        {"Discrète au survol", true},
        {"", false},
        {"Quitter", false}};
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].caption, expected[i].first);
        EXPECT_EQ(items[i].checkable, expected[i].second);
    }
    EXPECT_TRUE(tray().checked.at("demarrage"));
    // 6 December 2026 is a Sunday.
    EXPECT_EQ(tray().toolTips, std::vector<std::string>{"dimanche 06/12/2026 14:05"});
}

TEST_F(TrayTest, TooltipChangesOnlyWhenTheMinuteDoes) {
    startWith(kDefaultFile);
    struct Step {
        LocalTime at;
        std::size_t tooltips;  // after the tick
    };
    const auto day = std::chrono::year{2026} / 12 / 6;
    const auto next = std::chrono::year{2026} / 12 / 7;
    const Step steps[] =
        {
            {{day, 14, 5, 10}, 1}, {{day, 14, 5, 59}, 1}, {{day, 14, 6, 0}, 2},
            {{day, 14, 6, 30}, 2}, {{day, 14, 6, 31}, 2}, {{day, 15, 6, 0}, 3},
            {{next, 15, 6, 0}, 4},  // the same time a day later is a new minute
        };
    for (const Step& step : steps) {
        rt.now_ = step.at;
        rt.tick("frmMain");
        EXPECT_EQ(tray().toolTips.size(), step.tooltips)
            << step.at.hour << ":" << step.at.minute << ":" << step.at.second;
    }
    EXPECT_EQ(tray().toolTips.back(), "lundi 07/12/2026 15:06");
}

TEST_F(TrayTest, ShowClockBringsItBackAtAVisibleOpacityWithoutSaving) {
    struct Case {
        const char* trans;
        uint8_t alpha;  // shown at
    };
    for (const Case c :
         {Case{"0", 10}, Case{"9", 10}, Case{"-3", 10}, Case{"10", 10}, Case{"200", 200}}) {
        SCOPED_TRACE(c.trans);
        rt.trayAvailable = true;
        startWith(defaultFileWith(2, c.trans));
        const std::string before = fileBytes();
        clock().hide();
        rt.clickTrayIcon();
        EXPECT_TRUE(clockWindow().visible);
        EXPECT_TRUE(clockWindow().active);
        EXPECT_EQ(clockWindow().layeredAlpha, c.alpha);
        EXPECT_EQ(clock().settings.Trans, std::stoi(c.trans));
        EXPECT_EQ(fileBytes(), before);
        clockWindow().active = false;
        rt.chooseTrayItem("afficher");
        EXPECT_TRUE(clockWindow().active);
        program.reset();
        EXPECT_FALSE(tray().present);
    }
}

TEST_F(TrayTest, SettingsOpensTheDialogAndQuitEndsTheProgram) {
    startWith(kDefaultFile);
    rt.chooseTrayItem("parametres");
    EXPECT_TRUE(rt.window("frmParam").visible);
    EXPECT_EQ(rt.window("frmParam").caption, "Talvorin - Paramètres");
    EXPECT_TRUE(rt.messageBoxes.empty());
    rt.chooseTrayItem("quitter");
    EXPECT_TRUE(rt.ended);
    EXPECT_FALSE(clock().loaded());
    EXPECT_TRUE(rt.errorTrace.empty());
}

TEST_F(TrayTest, EachCheckItemAppliesAndSavesItsSettingKeepingTheFilesOtherLines) {
    const auto extras = folder.path() / "tl_extras.txt";
    writeBytes(extras, "# mine\nsurvol_discret=1\n");
    startWith(kDefaultFile);
    for (const char* id : {"secondes", "clics_traversants", "position_verrouillee",
                           "masquer_plein_ecran", "survol_discret"})
        EXPECT_EQ(tray().checked.at(id), id == std::string("survol_discret")) << id;
    for (const char* id : {"secondes", "clics_traversants", "survol_discret"})
        rt.chooseTrayItem(id);
    EXPECT_EQ(lineOf(fileBytes(), 15), "1");
    EXPECT_EQ(readBytes(extras), crlf({"# mine", "survol_discret=0", "clics_traversants=1",
                                       "position_verrouillee=0", "masquer_plein_ecran=0"}));
    EXPECT_TRUE(tray().checked.at("secondes") && tray().checked.at("clics_traversants"));
    // Applied even when the save is refused, which leaves a trace line.
    std::filesystem::permissions(extras, std::filesystem::perms::owner_read);
    rt.chooseTrayItem("clics_traversants");
    EXPECT_EQ(clockWindow().exStyle & kWsExTransparent, 0);
    EXPECT_FALSE(tray().checked.at("clics_traversants"));
    EXPECT_EQ(rt.errorTrace.size(), 1u);
}

TEST_F(TrayTest, StartAtLoginFollowsTheRealState) {
    startWith(kDefaultFile);
    EXPECT_FALSE(tray().checked.at("demarrage"));
    rt.chooseTrayItem("demarrage");
    EXPECT_TRUE(rt.startAtLogin);
    EXPECT_TRUE(tray().checked.at("demarrage"));
    rt.startAtLoginFails = true;
    rt.chooseTrayItem("demarrage");
    EXPECT_TRUE(rt.startAtLogin);
    EXPECT_TRUE(tray().checked.at("demarrage"));  // unchanged, as the desktop has it
    ASSERT_EQ(rt.errorTrace.size(), 1u);
    EXPECT_NE(rt.errorTrace[0].find("start at login not changed"), std::string::npos);
    rt.startAtLoginFails = false;
    rt.chooseTrayItem("demarrage");
    EXPECT_FALSE(rt.startAtLogin);
    EXPECT_FALSE(tray().checked.at("demarrage"));
    // Turned on outside the program: the menu shows it when it next opens.
    rt.startAtLogin = true;
    rt.openTrayMenu();
    EXPECT_TRUE(tray().checked.at("demarrage"));
}

TEST_F(TrayTest, TheIconWaitsForTheClocksFirstFrame) {
    givenFile(kDefaultFile);
    program = std::make_unique<Program>(rt);
    ASSERT_TRUE(program->start());
    EXPECT_TRUE(clockWindow().visible);
    EXPECT_FALSE(rt.hasTray());
    rt.paintShownWindows();
    EXPECT_TRUE(rt.hasTray());
}

TEST_F(TrayTest, WithoutANotificationAreaTheClockRunsAsBefore) {
    rt.trayAvailable = false;
    startWith(kDefaultFile);
    EXPECT_FALSE(rt.hasTray());
    EXPECT_EQ(program->tray(), nullptr);
    rt.now_.minute = 6;
    rt.tick("frmMain");
    EXPECT_EQ(clockControl("LabHeure").text, "14:06");
    EXPECT_TRUE(clockWindow().visible);
    EXPECT_TRUE(rt.errorTrace.empty());
}

TEST(AutostartEntryTest, PathFollowsTheBaseDirectoryRules) {
    struct Case {
        const char* config;
        const char* home;
        const char* expected;
    };
    const Case cases[] = {
        {"/x/conf", "/home/u", "/x/conf/autostart/talvorin.desktop"},
        {nullptr, "/home/u", "/home/u/.config/autostart/talvorin.desktop"},
        {"", "/home/u", "/home/u/.config/autostart/talvorin.desktop"},
        {"relative", "/home/u", "/home/u/.config/autostart/talvorin.desktop"},
        {nullptr, nullptr, ""},
        {nullptr, "relative", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(autostartEntryPath(c.config, c.home).string(), c.expected)
            << (c.config ? c.config : "(unset)") << " " << (c.home ? c.home : "(unset)");
}

TEST(AutostartEntryTest, ExecQuotesEveryReservedCharacter) {
    struct Case {
        std::string path;
        std::string exec;  // as written in the file
    };
    const Case cases[] = {
        {"/usr/bin/talvorin", R"("/usr/bin/talvorin")"},
        {"/home/é t/talvorin", R"("/home/é t/talvorin")"},
        {R"(/a"b/t)", R"("/a\\"b/t")"},
        {R"(/a\b/t)", R"("/a\\\\b/t")"},
        {"/a$b`c/t", R"("/a\\$b\\`c/t")"},
        {"/100%/t", R"("/100%%/t")"},
    };
    for (const Case& c : cases) EXPECT_EQ(desktopExecArgument(c.path), c.exec) << c.path;
    EXPECT_NE(autostartEntry("/p/t").find("\nExec=\"/p/t\"\n"), std::string::npos);
}

TEST(AutostartEntryTest, AnEntryTheDesktopTurnedOffIsOff) {
    EXPECT_TRUE(autostartEntryEnabled(autostartEntry("/p/t")));
    EXPECT_FALSE(autostartEntryEnabled("[Desktop Entry]\r\nHidden=true\r\n"));
    EXPECT_FALSE(autostartEntryEnabled("[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n"));
    EXPECT_TRUE(autostartEntryEnabled("[Desktop Entry]\nHidden=false\n"));
}

}  // namespace
}  // namespace talvorin::testing
