// orvik-view's event scripts: input reaches the window's notifiers, bad lines exit 2.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class OrvikViewEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("orvik-view-events." + std::to_string(getpid()));
        fs::create_directories(m_dir);
        // Two tab stops cannot be made from markup alone; a layout and two boxes can.
        Write("doc.xml", R"(<Window size="200,100"><HorizontalLayout name="row">
            <Control name="left" width="100" bkcolor="#FF336699"/>
            <Control name="right" bkcolor="#FF996633"/></HorizontalLayout></Window>)");
    }
    void TearDown() override { fs::remove_all(m_dir); }
    void Write(const char* name, const std::string& content) {
        std::ofstream(m_dir / name, std::ios::binary) << content;
    }
    // Runs orvik-view on the folder's doc.xml; stdout and stderr as text.
    int Run(const std::string& args, std::string& out, std::string& err) {
        std::string cmd = m_strEnv + ORVIK_VIEW_PATH + " " + m_dir.string() + " doc.xml " + args +
                          " >" + (m_dir / "out").string() + " 2>" + (m_dir / "err").string();
        int status = std::system(cmd.c_str());
        out = ReadAll(m_dir / "out");
        err = ReadAll(m_dir / "err");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    fs::path m_dir;
    std::string m_strEnv;  // put before the program, e.g. "env -u DISPLAY "
};

TEST_F(OrvikViewEventsTest, ClicksMoveTheFocusAndEveryNotificationIsPrinted) {
    Write("ev.txt",
          "# a comment\nclick 20 20\n\nclick 150 20\nshot " + (m_dir / "shot.png").string() + "\n");
    std::string out, err;
    ASSERT_EQ(Run("--events " + (m_dir / "ev.txt").string() + " --notifications", out, err), 0)
        << err;
    EXPECT_EQ(out,
              "notify windowinit sender=\"row\" wparam=0 lparam=0\n"
              "notify setfocus sender=\"left\" wparam=0 lparam=0\n"
              "notify killfocus sender=\"left\" wparam=0 lparam=0\n"
              "notify setfocus sender=\"right\" wparam=0 lparam=0\n");
    EXPECT_TRUE(fs::exists(m_dir / "shot.png"));
}

TEST_F(OrvikViewEventsTest, StandardInputAndWaitServeTheQueue) {
    std::string out, err;
    Write("ev.txt", "move 10 10\nwait 5\nkey TAB\nchar 好\nwheel 10 10 -120\n");
    EXPECT_EQ(Run("--events - < " + (m_dir / "ev.txt").string(), out, err), 0) << err;
    EXPECT_TRUE(err.empty());
}

// The launcher's main window: resting over the close button, then clicking
// it, closes the window and ends the script early.
TEST_F(OrvikViewEventsTest, ClickingTheCloseButtonOfTheMainWindowEndsTheProgram) {
    Write("ev.txt", "move 664 16\nwait 600\nclick 664 16\nclick 100 200\n");
    std::string cmd = std::string(ORVIK_VIEW_PATH) + " " + LUMORA_SOURCE_DIR +
                      "/skin MainFrame.xml --events " + (m_dir / "ev.txt").string() +
                      " --notifications >" + (m_dir / "out").string() + " 2>" +
                      (m_dir / "err").string();
    int status = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << ReadAll(m_dir / "err");
    EXPECT_EQ(ReadAll(m_dir / "out"),
              "notify windowinit sender=\"mainframe_layout\" wparam=0 lparam=0\n"
              "notify setfocus sender=\"opt_page1\" wparam=0 lparam=0\n"
              "notify killfocus sender=\"opt_page1\" wparam=0 lparam=0\n"
              "notify setfocus sender=\"closebtn\" wparam=0 lparam=0\n"
              "notify click sender=\"closebtn\" wparam=0 lparam=0\n"
              "notify killfocus sender=\"closebtn\" wparam=0 lparam=0\n");
}

TEST_F(OrvikViewEventsTest, TheTreeFollowsTheEvents) {
    Write("ev.txt", "click 20 20\nclick 150 20\n");
    const std::string strTree =
        "HorizontalLayout name=\"row\" pos=0,0,200,100 visible=1\n"
        "  Control name=\"left\" pos=0,0,100,100 visible=1\n"
        "  Control name=\"right\" pos=100,0,200,100 visible=1\n";
    std::string out, err;
    ASSERT_EQ(Run("--tree --events " + (m_dir / "ev.txt").string(), out, err), 0) << err;
    EXPECT_EQ(out, strTree);
    ASSERT_EQ(Run("--events " + (m_dir / "ev.txt").string() + " --notifications --tree", out, err),
              0)
        << err;
    EXPECT_EQ(out,
              "notify windowinit sender=\"row\" wparam=0 lparam=0\n"
              "notify setfocus sender=\"left\" wparam=0 lparam=0\n"
              "notify killfocus sender=\"left\" wparam=0 lparam=0\n"
              "notify setfocus sender=\"right\" wparam=0 lparam=0\n" +
                  strTree);
}

// A script that closes the window still shows the tree as it was then.
TEST_F(OrvikViewEventsTest, AWindowClosedByTheScriptStillPrintsItsTree) {
    Write("ev.txt", "move 664 16\nwait 600\nclick 664 16\nclick 100 200\n");
    std::string cmd = std::string(ORVIK_VIEW_PATH) + " " + LUMORA_SOURCE_DIR +
                      "/skin MainFrame.xml --events " + (m_dir / "ev.txt").string() +
                      " --notifications --tree >" + (m_dir / "out").string() + " 2>" +
                      (m_dir / "err").string();
    int status = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << ReadAll(m_dir / "err");
    std::string out = ReadAll(m_dir / "out");
    size_t nClick = out.find("notify click sender=\"closebtn\"");
    size_t nTree = out.find(" name=\"mainframe_layout\" pos=");
    ASSERT_NE(nClick, std::string::npos) << out;
    ASSERT_NE(nTree, std::string::npos) << out;
    EXPECT_LT(nClick, nTree);
    EXPECT_NE(out.find(" name=\"closebtn\" pos=", nTree), std::string::npos) << out;
}

// The display window runs on real input until closed; nothing of a headless
// run can follow it. Without a display, so a wrongly accepted line cannot open one.
TEST_F(OrvikViewEventsTest, OptionsThatCannotWorkTogetherAreRefusedInOneLine) {
    Write("ev.txt", "click 20 20\n");
    m_strEnv = "env -u DISPLAY ";
    const std::pair<std::string, const char*> cases[] = {
        {"--x11 --events " + (m_dir / "ev.txt").string(), "--events cannot be used with --x11"},
        {"--tree --x11", "--tree cannot be used with --x11"},
        {"--x11 --out " + (m_dir / "x.png").string(), "--out cannot be used with --x11"},
    };
    for (const auto& [args, expected] : cases) {
        std::string out, err;
        EXPECT_EQ(Run(args, out, err), 2) << args;
        EXPECT_NE(err.find(expected), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_TRUE(out.empty()) << args;
        EXPECT_FALSE(fs::exists(m_dir / "x.png"));
    }
}

TEST_F(OrvikViewEventsTest, AMalformedLineIsNamed) {
    struct Case {
        const char* script;
        const char* expected;
    };
    const Case cases[] = {
        {"move 1 1\nclick 10\n", "line 2: click wants 2 whole numbers"},
        {"key NOPE\n", "line 1: unknown key 'NOPE'"},
        {"jump 1 2\n", "line 1: unknown command 'jump'"},
        {"wait -5\n", "line 1: wait wants a duration of 0 ms or more"},
        {"move 1 2 3\n", "line 1: move wants 2 whole numbers"},
        {"shot\n", "line 1: shot needs an argument"},
    };
    for (const Case& c : cases) {
        Write("bad.txt", c.script);
        std::string out, err;
        EXPECT_EQ(Run("--events " + (m_dir / "bad.txt").string(), out, err), 2) << c.script;
        EXPECT_NE(err.find(c.expected), std::string::npos) << err;
        EXPECT_TRUE(out.empty());
    }
    std::string out, err;
    EXPECT_EQ(Run("--events " + (m_dir / "missing.txt").string(), out, err), 2);
    EXPECT_NE(err.find("cannot read the event script"), std::string::npos) << err;
}

}  // namespace
