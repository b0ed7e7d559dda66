// The skin documents as the framework reads them: through the skin store over
// the embedded archive and the markup parser.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "app/skin/ImageDecode.h"
#include "app/skin/SkinArchive.h"
#include "app/skin/SkinManifest.h"
#include "platform/kernel.h"
#include "ui/markup/SkinStore.h"
#include "ui/markup/XmlMarkup.h"

using namespace Orvik;
using namespace skintest;

namespace {

struct NamedControl {
    const char* m_pName;
    const char* m_pTag;
};

const std::map<std::string, std::vector<NamedControl>> NAMED_CONTROLS = {
    {"MainFrame.xml",
     {{"mainframe_layout", "VerticalLayout"},
      {"caption_layout", "HorizontalLayout"},
      {"title_layout", "HorizontalLayout"},
      {"opt_page1", "Option"},
      {"opt_page2", "Option"},
      {"systembtn_layout", "HorizontalLayout"},
      {"minbtn", "Button"},
      {"closebtn", "Button"},
      {"client_layout", "HorizontalLayout"}}},
    {"Page1.xml",
     {{"btn_refresh", "Button"},
      {"layout_ptline", "VerticalLayout"},
      {"layout_tip", "HorizontalLayout"},
      {"txt_tip", "Label"}}},
    {"Page1_Item.xml",
     {{"txt_name", "Label"}, {"ctrl_progress", "Progress"}, {"btn_go", "Button"}}},
    {"Page2.xml",
     {{"lbl_mobile", "Button"}, {"btn_rilobet", "Button"}, {"lbl_mobilegj", "Button"}}},
    {"MessageBox.xml",
     {{"mainframe_layout", "VerticalLayout"},
      {"caption_layout", "HorizontalLayout"},
      {"logo", "Label"},
      {"title", "Label"},
      {"systembtn_layout", "HorizontalLayout"},
      {"minbtn", "Button"},
      {"restorebtn", "Button"},
      {"maxbtn", "Button"},
      {"closebtn", "Button"},
      {"client_layout", "VerticalLayout"},
      {"normalmsg_layout", "VerticalLayout"},
      {"txt_normalmsg", "RichEdit"},
      {"checkbox", "CheckBox"},
      {"btn_ok", "Button"},
      {"btn_cancel", "Button"},
      {"waitingmsg_layout", "HorizontalLayout"},
      {"gif", "GifAnim"},
      {"txt_waitingmsg", "Label"}}},
};

// Everything a test wants to know about one parsed document.
struct DocumentIndex {
    std::map<std::string, CXmlMarkupNode> m_mapNamed;  // by "name"
    std::set<std::string> m_setImages;                 // every image it names
};

std::string Attribute(const CXmlMarkupNode& node, const char* name) {
    char value[1024] = {};
    return node.FindAttribute(name, value, sizeof(value) - 1) ? value : "";
}

// Image names inside one attribute value: every file='...' item, or the bare
// value of an image attribute that is no descriptor.
void CollectImages(const std::string& attr, const std::string& value, std::set<std::string>& out) {
    for (size_t pos = value.find("file='"); pos != std::string::npos;
         pos = value.find("file='", pos + 1)) {
        size_t end = value.find('\'', pos + 6);
        if (end != std::string::npos)
            out.insert(value.substr(pos + 6, end - pos - 6));
    }
    if (attr.find("image") != std::string::npos && !value.empty() &&
        value.find('\'') == std::string::npos)
        out.insert(value);
}

void IndexNode(const CXmlMarkupNode& node, DocumentIndex& index) {
    for (int i = 0; i < node.GetAttributeCount(); ++i)
        CollectImages(node.GetAttributeName(i), node.GetAttributeValue(i), index.m_setImages);
    std::string name = Attribute(node, "name");
    if (!name.empty() && std::string(node.GetTagName()) != "Font" &&
        std::string(node.GetTagName()) != "Default")
        index.m_mapNamed.emplace(name, node);
    for (CXmlMarkupNode child = node.GetFirstChild(); child.IsValid();
         child = child.GetNextSibling())
        IndexNode(child, index);
}

class SkinDocuments : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        CSkinStore::SetProgramModule(GetModuleHandleA(nullptr));
        const BYTE* pData = nullptr;
        DWORD dwSize = 0;
        ASSERT_TRUE(CSkinStore::FindResourceData(129, "ZIPRES", pData, dwSize));
        CSkinStore::OpenArchiveMemory(pData, dwSize);
        ASSERT_NE(CSkinStore::GetArchive(), nullptr);
    }

    // Parses the document through the store; the markup must outlive the index.
    static DocumentIndex Load(CXmlMarkup& markup, const char* name) {
        DocumentIndex index;
        EXPECT_TRUE(markup.LoadFromFile(name)) << name << ": " << markup.GetLastErrorMessage();
        CXmlMarkupNode root = markup.GetRoot();
        EXPECT_TRUE(root.IsValid());
        if (root.IsValid()) {
            EXPECT_STREQ(root.GetTagName(), "Window");
            IndexNode(root, index);
        }
        return index;
    }
};

}  // namespace

TEST_F(SkinDocuments, EveryNamedControlIsThereWithItsTag) {
    for (const auto& [document, controls] : NAMED_CONTROLS) {
        SCOPED_TRACE(document);
        CXmlMarkup markup;
        DocumentIndex index = Load(markup, document.c_str());
        for (const NamedControl& control : controls) {
            auto it = index.m_mapNamed.find(control.m_pName);
            ASSERT_NE(it, index.m_mapNamed.end()) << control.m_pName;
            EXPECT_STREQ(it->second.GetTagName(), control.m_pTag) << control.m_pName;
        }
        EXPECT_EQ(index.m_mapNamed.size(), controls.size()) << "unexpected named controls";
    }
}

// Loading converts the UTF-8 documents to code page 936, which is what the
// narrow literals of this file are compiled to.
TEST_F(SkinDocuments, TextsArriveInTheProgramsCodePage) {
    CXmlMarkup main;
    DocumentIndex mainIndex = Load(main, "MainFrame.xml");
    EXPECT_EQ(Attribute(mainIndex.m_mapNamed["opt_page1"], "text"), "快速登录");
    EXPECT_EQ(Attribute(mainIndex.m_mapNamed["closebtn"], "tooltip"), "关闭");
    CXmlMarkup page1;
    DocumentIndex page1Index = Load(page1, "Page1.xml");
    EXPECT_EQ(Attribute(page1Index.m_mapNamed["txt_tip"], "text"), "线路更新中，请稍后 ...");
    EXPECT_EQ(Attribute(page1Index.m_mapNamed["txt_tip"], "errortextcolor"), "#FFD9AA4C");
    CXmlMarkup item;
    DocumentIndex itemIndex = Load(item, "Page1_Item.xml");
    EXPECT_EQ(Attribute(itemIndex.m_mapNamed["txt_name"], "text"), "最佳登录地址1：");
    CXmlMarkup page2;
    DocumentIndex page2Index = Load(page2, "Page2.xml");
    EXPECT_EQ(Attribute(page2Index.m_mapNamed["lbl_mobile"], "userdata"),
              std::string(LUMORA_ASSET_HOST) + "/static/images/client/mobile_qr.jpg");
}

TEST_F(SkinDocuments, EveryNamedImageIsInTheArchiveAtItsSizeOrListedAbsent) {
    std::set<std::string> referenced;
    for (const char* document : DOCUMENTS) {
        CXmlMarkup markup;
        DocumentIndex index = Load(markup, document);
        referenced.insert(index.m_setImages.begin(), index.m_setImages.end());
    }
    for (const char* absent : ABSENT_IMAGES) {
        EXPECT_EQ(referenced.erase(absent), 1u) << absent << " is no longer named";
        CSkinBuffer data;
        EXPECT_FALSE(CSkinStore::ReadImageData(absent, nullptr, data)) << absent;
    }
    for (const ImageSize& img : IMAGES) {
        SCOPED_TRACE(img.m_pName);
        referenced.erase(img.m_pName);
        CSkinBuffer data;
        ASSERT_TRUE(CSkinStore::ReadImageData(img.m_pName, nullptr, data));
        DecodedImage decoded;
        ASSERT_TRUE(DecodeImage(
            std::string_view(reinterpret_cast<const char*>(data.GetData()), data.GetSize()),
            decoded));
        EXPECT_EQ(decoded.m_nWidth, img.m_nWidth);
        EXPECT_EQ(decoded.m_nHeight, img.m_nHeight);
    }
    EXPECT_TRUE(referenced.empty()) << "named but unknown: " << *referenced.begin();
}
