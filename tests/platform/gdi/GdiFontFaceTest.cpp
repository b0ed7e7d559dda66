// Font faces shared across sizes and styles: each font file is opened once and read, not mapped,
// and every size on a shared face keeps its own scale.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "GdiTestCanvas.h"
#include "platform/gdi.h"
#include "platform/gdi/font_file_stream.h"

using namespace gditest;

namespace {

constexpr uint32_t WHITE = Argb(255, 255, 255, 255);

HFONT MakeFont(const char* face, int height, int weight = FW_NORMAL, bool italic = false) {
    LOGFONTA lf = {};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfItalic = italic;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

bool IsFontFile(const std::string& path) {
    for (const char* ext : {".ttf", ".ttc", ".otf"})
        if (path.size() > 4 && path.compare(path.size() - 4, 4, ext) == 0)
            return true;
    return false;
}

// Mappings per font file in this process.
std::map<std::string, int> FontFileMappings() {
    std::map<std::string, int> files;
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line)) {
        size_t slash = line.find('/');
        if (slash != std::string::npos && IsFontFile(line.substr(slash)))
            ++files[line.substr(slash)];
    }
    return files;
}

// Open descriptors per font file in this process.
std::map<std::string, int> FontFileDescriptors() {
    std::map<std::string, int> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        std::string path = std::filesystem::read_symlink(entry.path(), error).string();
        if (!error && IsFontFile(path))
            ++files[path];
    }
    return files;
}

// Draws text in `font` on a white canvas; returns the advance of `text`.
int DrawAndMeasure(HFONT font, const char* text, RECT* ink = nullptr) {
    CTestCanvas canvas(120, 60, WHITE);
    HGDIOBJ old = SelectObject(canvas.Dc(), font);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    TextOutA(canvas.Dc(), 2, 2, text, static_cast<int>(std::strlen(text)));
    SIZE sz = {};
    GetTextExtentPoint32A(canvas.Dc(), text, static_cast<int>(std::strlen(text)), &sz);
    if (ink)
        *ink = canvas.InkBounds(WHITE);
    SelectObject(canvas.Dc(), old);
    return sz.cx;
}

}  // namespace

TEST(GdiFontFace, EachFontFileIsOpenedOnceAcrossSizesAndStyles) {
    const struct {
        const char* face;
        int height;
        int weight;
        bool italic;
    } fonts[] = {
        {"微软雅黑", -12, FW_NORMAL, false}, {"微软雅黑", -14, FW_BOLD, false},
        {"微软雅黑", -16, FW_BOLD, false},   {"微软雅黑", -19, FW_NORMAL, true},
        {"微软雅黑", 24, FW_NORMAL, false},  {"sans-serif", -12, FW_NORMAL, false},
        {"sans-serif", -17, FW_BOLD, true},
    };
    for (const auto& f : fonts) {
        HFONT font = MakeFont(f.face, f.height, f.weight, f.italic);
        EXPECT_GT(DrawAndMeasure(font, "中文Latin"), 0) << f.face << " " << f.height;
        DeleteObject(font);
    }
    std::map<std::string, int> files = FontFileDescriptors();
    ASSERT_FALSE(files.empty()) << "no font file is open after drawing text";
    for (const auto& [path, count] : files)
        EXPECT_EQ(count, 1) << path;
    // Read on demand: a mapped CJK font would stay resident by megabytes.
    EXPECT_TRUE(FontFileMappings().empty());
}

// Sizes that no other test uses, so each glyph below is rendered here for the
// first time, right after another size on the same face was in use.
TEST(GdiFontFace, SizesOnASharedFaceKeepTheirOwnScale) {
    HFONT small = MakeFont("微软雅黑", -13);
    HFONT large = MakeFont("微软雅黑", -31);
    RECT inkSmall = {}, inkLarge = {};
    int large1 = DrawAndMeasure(large, "永");
    int small1 = DrawAndMeasure(small, "鬼", &inkSmall);
    int large2 = DrawAndMeasure(large, "龙", &inkLarge);
    int small2 = DrawAndMeasure(small, "永");
    EXPECT_NEAR(small1, 13, 1);
    EXPECT_NEAR(small2, 13, 1);
    EXPECT_NEAR(large1, 31, 1);
    EXPECT_NEAR(large2, 31, 1);
    EXPECT_LE(inkSmall.bottom - inkSmall.top, 14);
    EXPECT_GE(inkLarge.bottom - inkLarge.top, 24);
    DeleteObject(small);
    DeleteObject(large);
}

// Files that are missing, empty or no font give no face and leave no descriptor behind.
TEST(GdiFontFace, UnreadableFilesGiveNoFaceAndKeepNoDescriptor) {
    char folder[] = "/tmp/font-stream.XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string base = folder;
    std::ofstream(base + "/empty.ttf").close();
    std::ofstream(base + "/text.ttf") << "not a font, only some text that is long enough";
    FT_Library library = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    for (const char* name : {"/missing.ttf", "/empty.ttf", "/text.ttf"}) {
        EXPECT_EQ(gdi::OpenFaceByReading(library, base + name, 0), nullptr) << name;
        EXPECT_EQ(FontFileDescriptors().count(base + name), 0u) << name;
    }
    FT_Done_FreeType(library);
    std::filesystem::remove_all(base);
}
