// The embedded skin archive: resource, entries, image sizes and deployment URLs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "app/skin/ImageDecode.h"
#include "app/skin/SkinArchive.h"
#include "app/skin/SkinManifest.h"
#include "platform/kernel.h"

using namespace skintest;

namespace {

// Test sources compile narrow literals to GBK; documents are UTF-8.
std::string Utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

std::string Document(const char* name) {
    std::optional<std::string> bytes = ReadEntry(ArchiveBytes(), name);
    return bytes ? *bytes : std::string();
}

}  // namespace

TEST(SkinArchive, IsTheZipresResource129) {
    std::string_view zip = ArchiveBytes();
    ASSERT_GT(zip.size(), 4u);
    EXPECT_EQ(zip.substr(0, 4), std::string_view("PK\x03\x04", 4));
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCEA(130), "ZIPRES"), nullptr);
}

TEST(SkinArchive, HoldsExactlyTheDocumentsAndImagesAtItsRoot) {
    std::vector<std::string> names = ListEntries(ArchiveBytes());
    std::vector<std::string> expected(DOCUMENTS.begin(), DOCUMENTS.end());
    for (const ImageSize& img : IMAGES)
        expected.push_back(img.m_pName);
    std::sort(names.begin(), names.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
    for (const std::string& name : names)
        EXPECT_EQ(name.find('/'), std::string::npos) << name;
}

TEST(SkinArchive, EveryImageDecodesAtItsListedSize) {
    for (const ImageSize& img : IMAGES) {
        SCOPED_TRACE(img.m_pName);
        std::optional<std::string> bytes = ReadEntry(ArchiveBytes(), img.m_pName);
        ASSERT_TRUE(bytes.has_value());
        DecodedImage decoded;
        ASSERT_TRUE(DecodeImage(*bytes, decoded));
        EXPECT_EQ(decoded.m_nWidth, img.m_nWidth);
        EXPECT_EQ(decoded.m_nHeight, img.m_nHeight);
    }
}

TEST(SkinArchive, ImagesLeftOutOfTheArchiveStayOut) {
    std::vector<std::string> names = ListEntries(ArchiveBytes());
    for (const char* name : ABSENT_IMAGES) {
        EXPECT_EQ(std::count(names.begin(), names.end(), name), 0) << name;
        EXPECT_FALSE(ReadEntry(ArchiveBytes(), name).has_value()) << name;
    }
    // The documents still name them: the buttons using them are hidden or
    // simply show nothing in that state.
    EXPECT_NE(Document("MessageBox.xml").find("\"btn_max_press.png\""), std::string::npos);
    EXPECT_NE(Document("MessageBox.xml").find("\"loading.gif\""), std::string::npos);
    EXPECT_NE(Document("Page2.xml").find("file='btn_download_click.png'"), std::string::npos);
}

TEST(SkinArchive, DocumentsAreUtf8WindowsWithTheirDeclaration) {
    for (const char* name : DOCUMENTS) {
        SCOPED_TRACE(name);
        std::string doc = Document(name);
        EXPECT_EQ(doc.rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>", 0), 0u);
        EXPECT_NE(doc.find("\n<Window"), std::string::npos);
        EXPECT_EQ(doc.find("\xEF\xBB\xBF"), std::string::npos);  // no byte-order mark
        // Loading converts the text to code page 936; nothing may be lost.
        EXPECT_EQ(platform::AnsiToUtf8(platform::Utf8ToAnsi(doc.c_str()).c_str()), doc);
    }
    EXPECT_NE(Document("MainFrame.xml").find(Utf8(u8"text=\"快速登录\"")), std::string::npos);
    EXPECT_NE(Document("Page2.xml").find(Utf8(u8"“扫一扫”。{n}2.扫码后用浏览器打开。")),
              std::string::npos);
    EXPECT_NE(Document("Page1.xml").find(Utf8(u8"text=\"线路更新中，请稍后 ...\"")),
              std::string::npos);
}

TEST(SkinArchive, DeploymentUrlsCarryTheConfiguredAssetHost) {
    for (const char* name : DOCUMENTS)
        EXPECT_EQ(Document(name).find('@'), std::string::npos) << name;
    std::string page2 = Document("Page2.xml");
    const std::string host = LUMORA_ASSET_HOST;
    for (const char* path :
         {"/static/images/client/mobile_qr.jpg", "/static/images/client/mobile_gj_qr.png",
          "/static/client/velgate/kestova.exe"}) {
        EXPECT_NE(page2.find("userdata=\"" + host + path + "\""), std::string::npos) << path;
    }
}
