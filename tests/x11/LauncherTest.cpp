// The real launcher on a private display against lumora-sim's default hosts: the window, the
// lines, a row's button opening the browser, and the ways the window closes.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "LauncherProcess.h"
#include "SkinGeometry.h"
#include "X11Fixture.h"
#include "tools/xdrive/PngFile.h"
#include "tools/xdrive/XDisplay.h"

namespace x11test {

namespace {

constexpr char MAIN_CLASS[] = "CMainFrame";
constexpr char BOX_CLASS[] = "CMessageBox";
constexpr int SEED_PORT = 18400;      // the default profile's seed host, as the launcher is built
constexpr int SPEED_TEST_MS = 40000;  // eight probes on three workers, one hanging for 5 s
constexpr int EXIT_MS = 15000;        // running probes may take their 5 s before the pool ends
constexpr int ROW_PITCH = 68;         // Page1_Item.xml: height 60, bottom padding 8
constexpr char FASTEST_LINE[] = "http://127.0.0.1:18401";  // 80 ms, status 200

bool PortAnswers(int port) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(uint16_t(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool up = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return up;
}

Bounds Offset(Bounds b, int dx, int dy) {
    return Bounds{b.left + dx, b.top + dy, b.right + dx, b.bottom + dy};
}

bool Greenish(uint32_t rgb) {
    int r = int(rgb >> 16 & 0xFF), g = int(rgb >> 8 & 0xFF), b = int(rgb & 0xFF);
    return g > r + 40 && g > b + 40;
}

bool Yellowish(uint32_t rgb) {
    int r = int(rgb >> 16 & 0xFF), g = int(rgb >> 8 & 0xFF), b = int(rgb & 0xFF);
    return r > b + 80 && g > b + 60;
}

bool Reddish(uint32_t rgb) {
    int r = int(rgb >> 16 & 0xFF), g = int(rgb >> 8 & 0xFF), b = int(rgb & 0xFF);
    return r > g + 80 && r > b + 80;
}

}  // namespace

class LauncherX11Test : public X11Test {
protected:
    void SetUp() override {
        X11Test::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        StartWindowManager();
        StartCompositor();
        char pattern[] = "/tmp/lumora-launcher-test.XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        WriteBrowserRecorder();
        ASSERT_FALSE(PortAnswers(SEED_PORT)) << "something else serves port " << SEED_PORT;
        m_sim = std::make_unique<ChildProcess>(std::vector<std::string>{LUMORA_SIM_PATH}, "");
        ASSERT_TRUE(WaitFor([] { return PortAnswers(SEED_PORT); }, WAIT_MS)) << "no simulator";
        std::string why;
        ASSERT_TRUE(m_display.Open(m_server->Display().c_str(), why)) << why;
    }

    void TearDown() override {
        m_launcher.reset();
        m_sim.reset();
        m_display.Close();
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
        X11Test::TearDown();
    }

    // A stand-in browser: xdg-open on a bare X display runs $BROWSER with the URL.
    void WriteBrowserRecorder() {
        m_recorder = m_dir + "/browser.sh";
        std::ofstream(m_recorder) << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" << m_dir
                                  << "/opened.txt'\n";
        std::filesystem::permissions(m_recorder, std::filesystem::perms::owner_all);
    }

    // The QR images go to the test's own folder, not to a shared /tmp.
    void StartLauncher() {
        m_launcher = std::make_unique<LauncherProcess>(
            LUMORA_LAUNCHER_PATH, m_server->Display(),
            std::vector<std::string>{"BROWSER=" + m_recorder, "TMPDIR=" + m_dir},
            m_dir + "/trace.log");
        ASSERT_TRUE(m_launcher->Started());
        bool shown = WaitFor(
            [&] { return m_display.FindWindow(MAIN_CLASS, m_main) || !m_launcher->Running(); },
            WAIT_MS * 3);
        ASSERT_TRUE(shown && m_launcher->Running()) << "the main window did not map\n" << Trace();
    }

    bool WaitSpeedTestDone() {
        return WaitFor(
            [&] {
                int count = 0, total = 0;
                return LastSpeedTestCount(Trace(), count, total) && total > 0 && count >= total;
            },
            SPEED_TEST_MS);
    }

    // Where the main window is now: the launcher centres it after it first maps.
    xdrive::ScreenRect MainRect() {
        EXPECT_TRUE(m_display.FindWindow(MAIN_CLASS, m_main));
        return m_main.rect;
    }

    // Clicks at a point of the main window's client area.
    void ClickMain(int x, int y) {
        xdrive::ScreenRect main = MainRect();
        m_display.Click(main.x + x, main.y + y);
    }

    std::string Trace() const { return ReadFile(m_dir + "/trace.log"); }
    std::string Opened() const { return ReadFile(m_dir + "/opened.txt"); }

    // Row n's (from 0) control name of Page1_Item.xml, in main window client pixels.
    Bounds RowControl(int row, const char* name) {
        Bounds client = ControlBounds(LUMORA_SKIN_DIR, "MainFrame.xml", "client_layout");
        std::string patched = m_dir + "/skin-rows";
        EXPECT_TRUE(PatchedSkin(LUMORA_SKIN_DIR, patched, "Page1.xml",
                                "vscrollbar=\"true\" visible=\"false\"",
                                "vscrollbar=\"true\" visible=\"true\""));
        Bounds list = ControlBounds(patched, "Page1.xml", "layout_ptline",
                                    client.right - client.left, client.bottom - client.top);
        Bounds item = ControlBounds(LUMORA_SKIN_DIR, "Page1_Item.xml", name, list.right - list.left,
                                    ROW_PITCH);
        EXPECT_FALSE(client.Empty() || list.Empty() || item.Empty()) << name;
        return Offset(item, client.left + list.left, client.top + list.top + row * ROW_PITCH);
    }

    // The screen's pixel a tenth into row n's bar, inside even the shortest (20 %) fill.
    uint32_t BarPixel(int row) {
        Bounds bar = RowControl(row, "ctrl_progress");
        xdrive::ScreenRect main = MainRect();
        int x = main.x + bar.left + (bar.right - bar.left) / 10;
        int y = main.y + bar.CentreY();
        xdrive::ScreenImage image;
        EXPECT_TRUE(m_display.Capture(xdrive::ScreenRect{x, y, 1, 1}, image));
        return image.pixels.empty() ? 0 : image.pixels[0];
    }

    // Photographs the main window and reads every QR code in the picture, one
    // text a line, as a phone's scanner would (zbarimg).
    std::string ScanMainWindow() {
        xdrive::ScreenImage image;
        std::string path = m_dir + "/client.png", why;
        if (!m_display.Capture(MainRect(), image) || !WritePng(path, image, why))
            return "capture failed: " + why;
        std::string text;
        FILE* pipe = popen(("zbarimg --raw -q '" + path + "' 2>/dev/null").c_str(), "r");
        if (pipe == nullptr)
            return "zbarimg cannot run";
        char buffer[512];
        while (fgets(buffer, sizeof buffer, pipe) != nullptr)
            text += buffer;
        pclose(pipe);
        return text;
    }

    std::string m_dir;
    std::string m_recorder;
    std::unique_ptr<ChildProcess> m_sim;
    std::unique_ptr<LauncherProcess> m_launcher;
    xdrive::CXDisplay m_display;
    xdrive::FoundWindow m_main;
};

TEST_F(LauncherX11Test, RowsShowTheFastestLinesAndRowOnesButtonOpensItsLine) {
    StartLauncher();
    ASSERT_TRUE(WaitSpeedTestDone()) << Trace();
    // Fastest first: 18401 green (80 ms), 18402 yellow (950 ms), 18403 red (1600 ms).
    ASSERT_TRUE(WaitFor([&] { return Greenish(BarPixel(0)); }, WAIT_MS)) << std::hex << BarPixel(0);
    EXPECT_TRUE(Yellowish(BarPixel(1))) << std::hex << BarPixel(1);
    EXPECT_TRUE(Reddish(BarPixel(2))) << std::hex << BarPixel(2);
    Bounds go = RowControl(0, "btn_go");
    ClickMain(go.CentreX(), go.CentreY());
    ASSERT_TRUE(WaitFor([&] { return !Opened().empty(); }, WAIT_MS)) << Trace();
    EXPECT_EQ(Opened(), std::string(FASTEST_LINE) + "?from=kestova\n");
}

TEST_F(LauncherX11Test, ClientPageQrCodesScanToTheMobileDownloadAddresses) {
    StartLauncher();
    Bounds tab = ControlBounds(LUMORA_SKIN_DIR, "MainFrame.xml", "opt_page2");
    ASSERT_FALSE(tab.Empty());
    ClickMain(tab.CentreX(), tab.CentreY());
    std::string first = std::string(LUMORA_MOBILE_URL) + "\n";
    std::string second = std::string(LUMORA_MOBILE_GJ_URL) + "\n";
    std::string scanned;
    // The codes appear once the launcher's download at start has ended.
    bool both = WaitFor(
        [&] {
            scanned = ScanMainWindow();
            return scanned.find(first) != std::string::npos &&
                   scanned.find(second) != std::string::npos;
        },
        WAIT_MS * 3);
    EXPECT_TRUE(both) << "zbarimg read:\n" << scanned << Trace();
    EXPECT_EQ(scanned.size(), first.size() + second.size()) << scanned;  // nothing else
}

TEST_F(LauncherX11Test, CloseButtonAsksAndOkEndsTheLauncherWithZero) {
    StartLauncher();
    Bounds close = ControlBounds(LUMORA_SKIN_DIR, "MainFrame.xml", "closebtn");
    ASSERT_FALSE(close.Empty());
    ClickMain(close.CentreX(), close.CentreY());
    xdrive::FoundWindow box;
    ASSERT_TRUE(m_display.WaitWindow(BOX_CLASS, WAIT_MS, box)) << "no confirmation\n" << Trace();
    EXPECT_TRUE(m_launcher->Running()) << "the launcher ended before OK";
    // The box shows its message part only; the waiting part is hidden.
    std::string patched = m_dir + "/skin-box";
    ASSERT_TRUE(PatchedSkin(LUMORA_SKIN_DIR, patched, "MessageBox.xml",
                            "name=\"waitingmsg_layout\"",
                            "name=\"waitingmsg_layout\" visible=\"false\""));
    Bounds ok = ControlBounds(patched, "MessageBox.xml", "btn_ok", box.rect.width, box.rect.height);
    ASSERT_FALSE(ok.Empty());
    ASSERT_TRUE(m_display.FindWindow(BOX_CLASS, box));  // where it is now
    m_display.Click(box.rect.x + ok.CentreX(), box.rect.y + ok.CentreY());
    EXPECT_EQ(m_launcher->WaitExit(EXIT_MS), 0) << Trace();
}

// The manager's close while the confirmation is up takes both windows; the program ends as
// the close would, and a sanitizer build finds nothing to report on standard error.
TEST_F(LauncherX11Test, WindowManagersCloseUnderTheConfirmationEndsTheLauncherWithZero) {
    StartLauncher();
    Bounds close = ControlBounds(LUMORA_SKIN_DIR, "MainFrame.xml", "closebtn");
    ASSERT_FALSE(close.Empty());
    ClickMain(close.CentreX(), close.CentreY());
    xdrive::FoundWindow box;
    ASSERT_TRUE(m_display.WaitWindow(BOX_CLASS, WAIT_MS, box)) << "no confirmation\n" << Trace();
    ASSERT_TRUE(m_display.RequestClose(m_main.xid));
    EXPECT_EQ(m_launcher->WaitExit(EXIT_MS), 0) << Trace();
    EXPECT_FALSE(m_display.FindWindow(BOX_CLASS, box));
    EXPECT_EQ(Trace().find("Sanitizer"), std::string::npos) << Trace();
    EXPECT_EQ(Trace().find("runtime error"), std::string::npos) << Trace();
}

TEST_F(LauncherX11Test, WindowManagersCloseEndsTheLauncherWithoutAsking) {
    StartLauncher();
    ASSERT_TRUE(m_display.RequestClose(m_main.xid));
    EXPECT_EQ(m_launcher->WaitExit(EXIT_MS), 0) << Trace();
    xdrive::FoundWindow box;
    EXPECT_FALSE(m_display.FindWindow(BOX_CLASS, box));
}

}  // namespace x11test
