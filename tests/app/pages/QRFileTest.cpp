// The QR file check on paths in the system code page, as the temporary folder gives them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/pages/Page2QRFile.h"
#include "platform/kernel.h"

namespace {

namespace fs = std::filesystem;

std::string FileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

fs::path FromUtf8(const std::string& strUtf8) {
    return fs::path(std::u8string(strUtf8.begin(), strUtf8.end()));
}

// A folder named "线路" (two Chinese characters) below the temporary folder,
// gone with the fixture.
class QRFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / FromUtf8("qr-\xE7\xBA\xBF\xE8\xB7\xAF");
        fs::remove_all(m_dir);
        ASSERT_TRUE(fs::create_directories(m_dir));
    }
    void TearDown() override { fs::remove_all(m_dir); }
    // Writes the file and gives its path in the system code page.
    std::string Put(const char* pstrName, const std::string& body) {
        fs::path path = m_dir / pstrName;
        std::ofstream(path, std::ios::binary) << body;
        std::u8string u8 = path.u8string();
        return platform::Utf8ToAnsi(std::string(u8.begin(), u8.end()).c_str());
    }
    fs::path m_dir;
};

TEST_F(QRFileTest, OnlyWholeImagesCountInAFolderWithAChineseName) {
    std::string jpeg = FileText(fs::path(LUMORA_SOURCE_DIR) / "skin" / "qrcode.jpg");
    ASSERT_GT(jpeg.size(), 100u);
    struct Case {
        const char* name;
        std::string body;
        bool image;
    };
    const Case cases[] = {
        {"whole.jpg", jpeg, true},
        {"cut.jpg", jpeg.substr(0, jpeg.size() * 2 / 3), false},
        {"page.jpg", "<!DOCTYPE html><html><body>Login</body></html>", false},
        {"empty.jpg", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsImageFile(Put(c.name, c.body)), c.image) << c.name;
    EXPECT_FALSE(IsImageFile(Put("whole.jpg", jpeg) + ".missing"));
}

}  // namespace
