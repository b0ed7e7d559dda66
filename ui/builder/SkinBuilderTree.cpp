// Skin builder: elements become controls, children first, then defaults and attributes.
#include <strings.h>
#include <cstdlib>
#include <cstring>

#include "ui/builder/SkinBuilder.h"
#include "ui/builder/SkinBuilderTags.h"
#include "ui/controls/ControlUI.h"
#include "ui/controls/IContainerUI.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

constexpr size_t MAX_INCLUDE_VALUE = 499;

}  // namespace

CControlUI* CSkinBuilder::CreateControl(const char* pstrClass) {
    CControlUI* pControl = CreateControlForTag(pstrClass);
    if (pControl == nullptr && m_pCallback != nullptr)
        pControl = m_pCallback->CreateCustomControl(pstrClass);
    return pControl;
}

void CSkinBuilder::BuildInclude(CXmlMarkupNode node, CControlUI* pParent, CWindowHostUI* pHost) {
    if (!node.HasAttributes() || m_nDepth >= MAX_INCLUDE_DEPTH)
        return;
    char szValue[MAX_INCLUDE_VALUE + 1] = {};
    int nCount = 1;
    if (node.FindAttribute("count", szValue, MAX_INCLUDE_VALUE))
        nCount = static_cast<int>(std::strtol(szValue, nullptr, 10));
    char szSource[MAX_INCLUDE_VALUE + 1] = {};
    if (!node.FindAttribute("source", szSource, MAX_INCLUDE_VALUE) || szSource[0] == '\0')
        return;
    for (int i = 0; i < nCount; ++i) {
        CSkinBuilder builder;
        builder.m_nDepth = m_nDepth + 1;
        builder.m_nLevel = m_nLevel;
        if (m_pstrType != nullptr)
            builder.Create(static_cast<int>(std::strtol(szSource, nullptr, 10)), m_pstrType,
                           m_pCallback, pHost, pParent);
        else
            builder.Create(szSource, nullptr, m_pCallback, pHost, pParent);
    }
}

bool CSkinBuilder::PlaceInParent(CXmlMarkupNode node, CControlUI* pControl, CControlUI* pParent,
                                 bool& bDropped) {
    bDropped = false;
    char szCover[8] = {};
    if (node.FindAttribute("cover", szCover, sizeof szCover - 1) &&
        std::strcmp(szCover, "true") == 0) {
        pParent->SetOverlay(pControl);
        return true;
    }
    auto* pContainer = static_cast<IContainerUI*>(pParent->AsType("IContainer"));
    if (pContainer == nullptr) {
        pControl->Delete();
        bDropped = true;
        return false;
    }
    if (!pContainer->Add(pControl)) {
        pControl->Delete();
        bDropped = true;
    }
    return true;
}

// Defaults first, then the element's own attributes, so they override.
void CSkinBuilder::Configure(CXmlMarkupNode node, CControlUI* pControl, CWindowHostUI* pHost) {
    // The control keeps the parent it was added to, and an attached parent's
    // host: detaching them here would cut the control out of a live tree.
    CWindowHostUI* pOldHost = pControl->GetHost();
    CControlUI* pOldParent = pControl->GetParent();
    if (pHost != nullptr) {
        pControl->Attach(pHost, pOldParent, false);
        pControl->ApplyAttributes(pHost->GetDefaultAttributeList(node.GetTagName()));
    }
    for (int i = 0; i < node.GetAttributeCount(); ++i)
        pControl->SetAttribute(node.GetAttributeName(i), node.GetAttributeValue(i));
    if (pHost != nullptr)
        pControl->Attach(pOldHost, pOldParent, false);
}

CControlUI* CSkinBuilder::BuildChildren(CXmlMarkupNode element, CControlUI* pParent,
                                        CWindowHostUI* pHost) {
    if (m_nLevel >= MAX_NESTING_DEPTH)
        return nullptr;
    ++m_nLevel;
    CControlUI* pFirst = BuildEachChild(element, pParent, pHost);
    --m_nLevel;
    return pFirst;
}

CControlUI* CSkinBuilder::BuildEachChild(CXmlMarkupNode element, CControlUI* pParent,
                                         CWindowHostUI* pHost) {
    CControlUI* pFirst = nullptr;
    for (CXmlMarkupNode node = element.GetFirstChild(); node.IsValid();
         node = node.GetNextSibling()) {
        const char* pstrClass = node.GetTagName();
        if (strcasecmp(pstrClass, "Image") == 0 || strcasecmp(pstrClass, "Font") == 0 ||
            strcasecmp(pstrClass, "Default") == 0 || strcasecmp(pstrClass, "MultiLanguage") == 0)
            continue;
        if (strcasecmp(pstrClass, "Include") == 0) {
            BuildInclude(node, pParent, pHost);
            continue;
        }
        if (strcasecmp(pstrClass, "TreeNode") == 0)
            continue;
        CControlUI* pControl = CreateControl(pstrClass);
        if (pControl == nullptr)
            continue;
        if (node.HasChildren())
            BuildChildren(node, pControl, pHost);
        if (pParent != nullptr) {
            bool bDropped = false;
            if (!PlaceInParent(node, pControl, pParent, bDropped))
                return nullptr;
            if (bDropped)
                continue;
        }
        Configure(node, pControl, pHost);
        if (pFirst == nullptr)
            pFirst = pControl;
    }
    return pFirst;
}

}  // namespace Orvik
