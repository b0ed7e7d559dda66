// CSkinStore: documents and images from the skin folder, a ZIP file and a ZIP in memory.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TestZip.h"
#include "platform/kernel.h"
#include "ui/markup/SkinStore.h"
#include "ui/markup/XmlMarkup.h"
#include "ui/markup/ZipArchive.h"

using Orvik::CSkinBuffer;
using Orvik::CSkinStore;
using Orvik::CXmlMarkup;

namespace {

enum class Source { Folder, ZipFileCached, ZipFileUncached, ZipMemory };

const DWORD LIMIT = CSkinStore::MAX_DOCUMENT_SIZE;

// A document of exactly nSize bytes that parses.
std::string MakeDocument(size_t nSize) {
    const std::string head = "<Window a=\"";
    const std::string tail = "\"/>";
    return head + std::string(nSize - head.size() - tail.size(), 'x') + tail;
}

std::string AsString(const CSkinBuffer& data) {
    return std::string(reinterpret_cast<const char*>(data.GetData()), data.GetSize());
}

std::string ReadDocumentOrError(const char* pstrName) {
    CSkinBuffer data;
    const char* pstrError = nullptr;
    if (!CSkinStore::ReadDocument(pstrName, data, pstrError))
        return std::string("error: ") + pstrError;
    return AsString(data);
}

std::string ReadImageOrNothing(Orvik::CUIResName name, const char* pstrType = nullptr) {
    CSkinBuffer data;
    return CSkinStore::ReadImageData(name, pstrType, data) ? AsString(data) : "nothing";
}

// Puts the store in folder mode over a fresh skin folder.
class SkinStoreFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(m_dir.Path().empty());
        CSkinStore::OpenArchiveFile("", true);
        CSkinStore::SetSkinPath(m_dir.Path().c_str());
    }
    void TearDown() override { CSkinStore::OpenArchiveFile("", true); }

    // Makes the entries the store's content in the given form.
    void Install(Source source, const testzip::Entries& entries) {
        if (source == Source::Folder) {
            for (const auto& entry : entries) {
                std::filesystem::path path = m_dir.Path() + entry.first;
                std::filesystem::create_directories(path.parent_path());
                ASSERT_TRUE(testzip::WriteFile(path.string(), entry.second));
            }
        } else if (source == Source::ZipMemory) {
            m_strZip = testzip::BuildZip(entries);
            ASSERT_FALSE(m_strZip.empty());
            CSkinStore::OpenArchiveMemory(reinterpret_cast<const BYTE*>(m_strZip.data()),
                                          DWORD(m_strZip.size()));
        } else {
            ASSERT_TRUE(testzip::WriteZip(m_dir.Path() + "skin.zip", entries));
            CSkinStore::OpenArchiveFile("skin.zip", source == Source::ZipFileCached);
        }
    }

    testzip::TempDir m_dir;
    std::string m_strZip;
};

class SkinStoreSourceTest : public SkinStoreFixture,
                            public ::testing::WithParamInterface<Source> {};
class SkinStoreArchiveTest : public SkinStoreSourceTest {};

}  // namespace

TEST_P(SkinStoreSourceTest, ReadsDocumentsNamedWithBackslashes) {
    Install(GetParam(), {{"MainFrame.xml", "<Window/>"}, {"pages/Page1.xml", "<VBox/>"}});
    EXPECT_EQ(ReadDocumentOrError("MainFrame.xml"), "<Window/>");
    EXPECT_EQ(ReadDocumentOrError("pages\\Page1.xml"), "<VBox/>");
    CXmlMarkup doc;
    ASSERT_TRUE(doc.LoadFromFile("pages\\Page1.xml"));
    EXPECT_STREQ(doc.GetRoot().GetTagName(), "VBox");
}

TEST_P(SkinStoreSourceTest, ReportsMissingAndEmptyDocuments) {
    Install(GetParam(), {{"empty.xml", ""}});
    bool bFolder = GetParam() == Source::Folder;
    EXPECT_EQ(ReadDocumentOrError("missing.xml"),
              bFolder ? "error: Error opening file" : "error: Could not find ziped file");
    EXPECT_EQ(ReadDocumentOrError("empty.xml"), "error: File is empty");
    CXmlMarkup doc;
    EXPECT_FALSE(doc.LoadFromFile("empty.xml"));
    EXPECT_STREQ(doc.GetLastErrorMessage(), "File is empty");
    EXPECT_STREQ(doc.GetLastErrorLocation(), "");
}

TEST_P(SkinStoreSourceTest, DocumentsUpToFourMebibytesLoad) {
    Install(GetParam(),
            {{"limit.xml", MakeDocument(LIMIT)}, {"over.xml", MakeDocument(LIMIT + 1)}});
    CXmlMarkup doc;
    EXPECT_TRUE(doc.LoadFromFile("limit.xml"));
    EXPECT_FALSE(doc.LoadFromFile("over.xml"));
    EXPECT_STREQ(doc.GetLastErrorMessage(), "File too large");
}

TEST_P(SkinStoreSourceTest, ImagesFallBackToAPlainPath) {
    Install(GetParam(), {{"img/logo.png", "LOGO"}});
    testzip::TempDir elsewhere;
    std::string strOutside = elsewhere.Path() + "outside.png";
    ASSERT_TRUE(testzip::WriteFile(strOutside, "OUTSIDE"));
    EXPECT_EQ(ReadImageOrNothing("img\\logo.png"), "LOGO");
    EXPECT_EQ(ReadImageOrNothing(strOutside.c_str()), "OUTSIDE");
    EXPECT_EQ(ReadImageOrNothing("img/none.png"), "nothing");
}

TEST_P(SkinStoreArchiveTest, EntryNamesIgnoreTheCaseOfAsciiLetters) {
    Install(GetParam(), {{"images/logo.png", "LOGO"}, {"MainFrame.xml", "<Window/>"}});
    EXPECT_EQ(ReadImageOrNothing("IMAGES\\Logo.PNG"), "LOGO");
    EXPECT_EQ(ReadDocumentOrError("mainframe.XML"), "<Window/>");
}

// 0x81 0x41 and 0x81 0x61 are two different double-byte characters whose
// trail bytes happen to be 'A' and 'a'; letters after them still fold.
TEST_P(SkinStoreArchiveTest, TrailBytesOfDoubleByteNamesKeepTheirCase) {
    Install(GetParam(),
            {{"\x81\x41.png", "UPPER"}, {"\x81\x61.png", "LOWER"}, {"img/\x81\x41x.png", "MIXED"}});
    EXPECT_EQ(ReadImageOrNothing("\x81\x41.png"), "UPPER");
    EXPECT_EQ(ReadImageOrNothing("\x81\x61.png"), "LOWER");
    EXPECT_EQ(ReadImageOrNothing("\x81\x61.PNG"), "LOWER");
    EXPECT_EQ(ReadImageOrNothing("IMG\\\x81\x41X.png"), "MIXED");
    EXPECT_EQ(ReadImageOrNothing("img\\\x81\x61x.png"), "nothing");
}

TEST_P(SkinStoreArchiveTest, NamesOfTwoHundredFiftySixBytesAreNeverFound) {
    std::string strShort(255, 'n');
    std::string strLong(256, 'n');
    Install(GetParam(), {{strShort, "short"}, {strLong, "long"}});
    EXPECT_EQ(ReadImageOrNothing(strShort.c_str()), "short");
    EXPECT_EQ(ReadImageOrNothing(strLong.c_str()), "nothing");
}

INSTANTIATE_TEST_SUITE_P(AllSources, SkinStoreSourceTest,
                         ::testing::Values(Source::Folder, Source::ZipFileCached,
                                           Source::ZipFileUncached, Source::ZipMemory));
INSTANTIATE_TEST_SUITE_P(Archives, SkinStoreArchiveTest,
                         ::testing::Values(Source::ZipFileCached, Source::ZipFileUncached,
                                           Source::ZipMemory));

TEST(SkinStorePathTest, SkinPathEndsWithASeparator) {
    CSkinStore::SetSkinPath("/opt/lumora/skin/");
    EXPECT_STREQ(CSkinStore::GetSkinPath(), "/opt/lumora/skin/");
    CSkinStore::SetSkinPath("C:\\Lumora\\Skin\\");
    EXPECT_STREQ(CSkinStore::GetSkinPath(), "C:\\Lumora\\Skin\\");
    CSkinStore::SetSkinPath("/opt/lumora/skin");
    EXPECT_STREQ(CSkinStore::GetSkinPath(), "/opt/lumora/skin/");
    // A double-byte character ending in 0x5C is no separator.
    CSkinStore::SetSkinPath("/skin\x81\x5C");
    EXPECT_STREQ(CSkinStore::GetSkinPath(), "/skin\x81\x5C/");
    CSkinStore::SetSkinPath("");
    EXPECT_STREQ(CSkinStore::GetSkinPath(), "");
}

TEST(SkinStorePathTest, ProgramFolderEndsWithItsSeparator) {
    CSkinStore::SetProgramModule(nullptr);
    EXPECT_STREQ(CSkinStore::GetProgramFolder(), "");
    CSkinStore::SetProgramModule(GetModuleHandleA(nullptr));
    Orvik::CUIString strFolder = CSkinStore::GetProgramFolder();
    ASSERT_FALSE(strFolder.IsEmpty());
    EXPECT_EQ(strFolder.GetAt(strFolder.GetLength() - 1), '/');
    CSkinStore::SetProgramModule(nullptr);
}

TEST_F(SkinStoreFixture, SecondMemoryArchiveKeepsTheFirst) {
    std::string strFirst = testzip::BuildZip({{"a.xml", "<First/>"}});
    std::string strSecond = testzip::BuildZip({{"a.xml", "<Second/>"}});
    CSkinStore::OpenArchiveMemory(reinterpret_cast<const BYTE*>(strFirst.data()),
                                  DWORD(strFirst.size()));
    Orvik::CZipArchive* pArchive = CSkinStore::GetArchive();
    ASSERT_NE(pArchive, nullptr);
    CSkinStore::OpenArchiveMemory(reinterpret_cast<const BYTE*>(strSecond.data()),
                                  DWORD(strSecond.size()));
    EXPECT_EQ(CSkinStore::GetArchive(), pArchive);
    EXPECT_STREQ(CSkinStore::GetArchiveName(), "membuffer");
    EXPECT_EQ(ReadDocumentOrError("a.xml"), "<First/>");
}

TEST_F(SkinStoreFixture, ReopeningTheSameArchiveFileChangesNothing) {
    std::string strZip = m_dir.Path() + "skin.zip";
    ASSERT_TRUE(testzip::WriteZip(strZip, {{"a.xml", "<A/>"}}));
    CSkinStore::OpenArchiveFile("skin.zip", true);
    ASSERT_NE(CSkinStore::GetArchive(), nullptr);
    // Only the open archive can still serve the entry once the file is gone.
    std::filesystem::remove(strZip);
    CSkinStore::OpenArchiveFile("skin.zip", true);
    EXPECT_EQ(ReadDocumentOrError("a.xml"), "<A/>");
    CSkinStore::OpenArchiveFile("skin.zip", false);
    EXPECT_EQ(CSkinStore::GetArchive(), nullptr);
    EXPECT_FALSE(CSkinStore::IsArchiveCached());
    EXPECT_EQ(ReadDocumentOrError("a.xml"), "error: Error opening zip file");
}

TEST_F(SkinStoreFixture, UnreadableArchivesAndEntries) {
    CSkinStore::OpenArchiveFile("missing.zip", true);
    EXPECT_EQ(CSkinStore::GetArchive(), nullptr);
    EXPECT_EQ(ReadDocumentOrError("a.xml"), "error: Error opening zip file");
    EXPECT_EQ(ReadImageOrNothing("a.png"), "nothing");
    CSkinStore::OpenArchiveFile("", true);

    // A stored entry whose bytes were changed fails its checksum.
    std::string strZip = testzip::BuildZip({{"a.xml", "<Window>ABCDEFGH</Window>"}}, false);
    size_t nPos = strZip.find("ABCDEFGH");
    ASSERT_NE(nPos, std::string::npos);
    strZip[nPos] = 'Z';
    CSkinStore::OpenArchiveMemory(reinterpret_cast<const BYTE*>(strZip.data()),
                                  DWORD(strZip.size()));
    EXPECT_EQ(ReadDocumentOrError("a.xml"), "error: Could not unzip file");
    EXPECT_EQ(ReadImageOrNothing("a.xml"), "nothing");
}

TEST_F(SkinStoreFixture, MemoryArchiveWithoutCachingOpensPerRead) {
    CSkinStore::OpenArchiveFile("", false);
    std::string strZip = testzip::BuildZip({{"a.xml", "<A/>"}});
    CSkinStore::OpenArchiveMemory(reinterpret_cast<const BYTE*>(strZip.data()),
                                  DWORD(strZip.size()));
    EXPECT_EQ(CSkinStore::GetArchive(), nullptr);
    EXPECT_EQ(ReadDocumentOrError("a.xml"), "<A/>");
}

TEST_F(SkinStoreFixture, TypedImagesComeFromEmbeddedResources) {
    static const char RESOURCE[] = "PNGDATA";
    platform::RegisterEmbeddedResource("SKINPNG", 901, RESOURCE, sizeof(RESOURCE) - 1);
    EXPECT_EQ(ReadImageOrNothing(901, "SKINPNG"), "PNGDATA");
    EXPECT_EQ(ReadImageOrNothing(902, "SKINPNG"), "nothing");
    // A typed name that is no resource still tries the plain path.
    std::string strPath = m_dir.Path() + "typed.png";
    ASSERT_TRUE(testzip::WriteFile(strPath, "TYPED"));
    EXPECT_EQ(ReadImageOrNothing(strPath.c_str(), "SKINPNG"), "TYPED");

    const BYTE* pData = nullptr;
    DWORD dwSize = 0;
    ASSERT_TRUE(CSkinStore::FindResourceData(901, "SKINPNG", pData, dwSize));
    EXPECT_EQ(dwSize, 7u);
}
