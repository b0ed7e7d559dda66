// orvik-view's event scripts: input reaches the window's notifiers, bad lines exit 2.
#include <gtest/gtest.h>
#include <unistd.h>

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
        std::string cmd = std::string(ORVIK_VIEW_PATH) + " " + m_dir.string() + " doc.xml " + args +
                          " >" + (m_dir / "out").string() + " 2>" + (m_dir / "err").string();
        int status = std::system(cmd.c_str());
        out = ReadAll(m_dir / "out");
        err = ReadAll(m_dir / "err");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    fs::path m_dir;
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
