// Skin builder: loading the document, its resources, window attributes and the control tree.
#include "ui/builder/SkinBuilder.h"

#include <strings.h>
#include <cstdlib>
#include <cstring>

#include "ui/builder/SkinBuilderTags.h"
#include "ui/controls/ControlUI.h"
#include "ui/controls/IContainerUI.h"
#include "ui/markup/SkinStore.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

bool TagIs(CXmlMarkupNode node, const char* pstrTag) {
    return strcasecmp(node.GetTagName(), pstrTag) == 0;
}

// The attributes of a resource element, names compared ignoring case.
struct ResourceAttributes {
    explicit ResourceAttributes(CXmlMarkupNode node) : m_node(node) {}
    const char* Get(const char* pstrName) const {
        for (int i = 0; i < m_node.GetAttributeCount(); ++i)
            if (strcasecmp(m_node.GetAttributeName(i), pstrName) == 0)
                return m_node.GetAttributeValue(i);
        return nullptr;
    }
    bool IsTrue(const char* pstrName) const {
        const char* v = Get(pstrName);
        return v != nullptr && strcasecmp(v, "true") == 0;
    }
    int Int(const char* pstrName, int nDefault) const {
        const char* v = Get(pstrName);
        return v != nullptr ? static_cast<int>(std::strtol(v, nullptr, 10)) : nDefault;
    }
    CXmlMarkupNode m_node;
};

void AddImageElement(const ResourceAttributes& a, CWindowHostUI* pHost) {
    const char* pstrName = a.Get("name");
    if (pstrName == nullptr)
        return;
    DWORD dwMask = 0;
    if (const char* pstrMask = a.Get("mask"))
        dwMask = static_cast<DWORD>(
            std::strtoul(pstrMask[0] == '#' ? pstrMask + 1 : pstrMask, nullptr, 16));
    pHost->AddImage(pstrName, a.Get("restype"), dwMask, a.IsTrue("shared"));
}

void AddFontElement(const ResourceAttributes& a, CWindowHostUI* pHost) {
    int nId = a.Int("id", -1);
    const char* pstrName = a.Get("name");
    if (nId < 0 || pstrName == nullptr)
        return;
    int nSize = a.Int("size", 12);
    bool bBold = a.IsTrue("bold");
    bool bUnderline = a.IsTrue("underline");
    bool bItalic = a.IsTrue("italic");
    bool bShared = a.IsTrue("shared");
    pHost->AddFont(nId, pstrName, nSize, bBold, bUnderline, bItalic, bShared);
    if (a.IsTrue("default"))
        pHost->SetDefaultFont(pstrName, nSize, bBold, bUnderline, bItalic, bShared);
}

void AddDefaultElement(const ResourceAttributes& a, CWindowHostUI* pHost) {
    const char* pstrName = a.Get("name");
    if (pstrName == nullptr)
        return;
    const char* pstrValue = a.Get("value");
    pHost->AddDefaultAttributeList(pstrName, pstrValue != nullptr ? pstrValue : "",
                                   a.IsTrue("shared"));
}

void AddLanguageElement(const ResourceAttributes& a) {
    int nId = a.Int("id", -1);
    const char* pstrValue = a.Get("value");
    if (nId >= 0 && pstrValue != nullptr)
        CWindowHostUI::SetLanguageText(nId, pstrValue);
}

}  // namespace

bool CSkinBuilder::Load(CUIResName xml, const char* pstrType) {
    if (xml.IsId()) {
        const BYTE* pData = nullptr;
        DWORD dwSize = 0;
        if (!CSkinStore::FindResourceData(xml, pstrType, pData, dwSize))
            return false;
        m_pstrType = pstrType;
        return m_xml.LoadFromMemory(pData, dwSize, MarkupEncoding::Utf8);
    }
    const char* pstrText = xml.GetName();
    if (pstrText == nullptr)
        return false;
    if (pstrText[0] == '<')
        return m_xml.Load(pstrText);
    return m_xml.LoadFromFile(pstrText, MarkupEncoding::Utf8);
}

CControlUI* CSkinBuilder::Create(CUIResName xml, const char* pstrType,
                                 IDialogBuilderCallback* pCallback, CWindowHostUI* pHost,
                                 CControlUI* pParent) {
    if (!Load(xml, pstrType))
        return nullptr;
    return Create(pCallback, pHost, pParent);
}

CControlUI* CSkinBuilder::Create(IDialogBuilderCallback* pCallback, CWindowHostUI* pHost,
                                 CControlUI* pParent) {
    m_pCallback = pCallback;
    CXmlMarkupNode root = m_xml.GetRoot();
    if (!root.IsValid())
        return nullptr;
    if (pHost != nullptr) {
        ApplyResources(root, pHost);
        ApplyWindowAttributes(root, pHost);
    }
    return BuildChildren(root, pParent, pHost);
}

void CSkinBuilder::ApplyResources(CXmlMarkupNode root, CWindowHostUI* pHost) {
    for (CXmlMarkupNode node = root.GetFirstChild(); node.IsValid(); node = node.GetNextSibling()) {
        ResourceAttributes attrs(node);
        if (TagIs(node, "Image"))
            AddImageElement(attrs, pHost);
        else if (TagIs(node, "Font"))
            AddFontElement(attrs, pHost);
        else if (TagIs(node, "Default"))
            AddDefaultElement(attrs, pHost);
        else if (TagIs(node, "MultiLanguage"))
            AddLanguageElement(attrs);
    }
}

void CSkinBuilder::ApplyWindowAttributes(CXmlMarkupNode root, CWindowHostUI* pHost) {
    if (!TagIs(root, "Window") || pHost->GetHWND() == nullptr)
        return;
    for (int i = 0; i < root.GetAttributeCount(); ++i)
        pHost->SetWindowAttribute(root.GetAttributeName(i), root.GetAttributeValue(i));
}

}  // namespace Orvik
