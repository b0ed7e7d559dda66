// orvik-view as a program: errors exit 2 with one clear line, the main window renders.
#include <gtest/gtest.h>

#include <stb/stb_image.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/gdi.h"
#include "support/TestCanvas.h"

namespace fs = std::filesystem;

namespace {

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class OrvikViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("orvik-view-test." + std::to_string(getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    void Write(const char* name, const std::string& content) {
        std::ofstream(m_dir / name, std::ios::binary) << content;
    }
    RunResult Run(const std::string& args) {
        fs::path out = m_dir / "stdout.txt";
        fs::path err = m_dir / "stderr.txt";
        std::string cmd =
            std::string(ORVIK_VIEW_PATH) + " " + args + " >" + out.string() + " 2>" + err.string();
        RunResult r;
        int status = std::system(cmd.c_str());
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = ReadFile(out);
        r.err = ReadFile(err);
        return r;
    }
    fs::path m_dir;
};

struct ErrorCase {
    const char* name;
    const char* document;  // written as doc.xml; null: not written
    const char* expected;  // part of the one line on standard error
};

TEST_F(OrvikViewTest, BadInputExitsTwoWithOneLineNamingTheFile) {
    const ErrorCase cases[] = {
        {"missing", nullptr, "doc.xml: Error opening file"},
        {"not xml", "\x89PNG\r\n\x1a\n\x01\x02 binary", "doc.xml: Expected start tag"},
        {"truncated", "<Window size=\"10,10\"><VerticalLayout name=\"a\"><Cont",
         "doc.xml: Error parsing element name at the end of the document"},
        {"no root", "<Window><Font id=\"1\" name=\"x\"/></Window>", "no control to show"},
        {"self include", "<Window><Include source=\"doc.xml\"/></Window>", "no control"},
    };
    for (const ErrorCase& c : cases) {
        fs::remove(m_dir / "doc.xml");
        if (c.document != nullptr)
            Write("doc.xml", c.document);
        RunResult r = Run(m_dir.string() + " doc.xml");
        EXPECT_EQ(r.exitCode, 2) << c.name;
        EXPECT_NE(r.err.find(c.expected), std::string::npos) << c.name << ": " << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << c.name << ": " << r.err;
    }
}

TEST_F(OrvikViewTest, MissingSkinAndBadOptionsExitTwo) {
    EXPECT_EQ(Run((m_dir / "nowhere").string() + " doc.xml").exitCode, 2);
    EXPECT_EQ(Run("").exitCode, 2);
    EXPECT_EQ(Run(m_dir.string() + " doc.xml --size 5").exitCode, 2);
    EXPECT_EQ(Run(m_dir.string() + " doc.xml --bogus").exitCode, 2);
}

TEST_F(OrvikViewTest, PrintsTheLaidOutTree) {
    Write("doc.xml",
          "<Window size=\"100,50\"><VerticalLayout name=\"root\"><Control "
          "name=\"a\" height=\"10\"/><Control name=\"b\" visible=\"false\"/>"
          "<Control/></VerticalLayout></Window>");
    RunResult r = Run(m_dir.string() + " doc.xml --tree");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "VerticalLayout name=\"root\" pos=0,0,100,50 visible=1\n"
              "  Control name=\"a\" pos=0,0,100,10 visible=1\n"
              "  Control name=\"b\" pos=0,0,0,0 visible=0\n"
              "  Control name=\"\" pos=0,10,100,50 visible=1\n");
}

// The main window's skin (its pages are custom tags, skipped) at 680 x 480.
TEST_F(OrvikViewTest, MainWindowMatchesItsGoldenPicture) {
    fs::path png = m_dir / "main.png";
    RunResult r = Run(std::string(LUMORA_SOURCE_DIR) + "/skin MainFrame.xml --out " + png.string() +
                      " --tree");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("HorizontalLayout name=\"client_layout\" pos=16,132,664,432"),
              std::string::npos)
        << r.out;
    int w = 0, h = 0, n = 0;
    stbi_uc* px = stbi_load(png.string().c_str(), &w, &h, &n, 4);
    ASSERT_NE(px, nullptr);
    testsupport::CTestCanvas canvas(w, h);
    for (int i = 0; i < w * h; ++i) {
        uint32_t a = px[i * 4 + 3];
        // The canvas holds premultiplied pixels; the PNG straight ones.
        canvas.Bits()[i] = testsupport::Argb(a, px[i * 4] * a / 255, px[i * 4 + 1] * a / 255,
                                             px[i * 4 + 2] * a / 255);
    }
    stbi_image_free(px);
    EXPECT_EQ(w, 680);
    EXPECT_EQ(h, 480);
    // Tolerance 2 per channel: only rounding in the rounded corners may move.
    EXPECT_TRUE(testsupport::MatchesGolden(canvas,
                                           std::string(LUMORA_SOURCE_DIR) + "/tests/tools/golden",
                                           "view_output", "mainframe", 2));
}

}  // namespace
