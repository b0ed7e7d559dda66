// libFuzzer target: loads arbitrary bytes as a skin document and reads every node.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "ui/markup/XmlMarkup.h"

namespace {

// Touches every byte the node exposes, so the sanitizers see any read past
// the document's text.
size_t ReadNode(const Orvik::CXmlMarkupNode& node) {
    size_t nTotal = std::strlen(node.GetTagName());
    int nCount = node.GetAttributeCount();
    for (int i = 0; i < nCount; i++) {
        nTotal += std::strlen(node.GetAttributeName(i));
        nTotal += std::strlen(node.GetAttributeValue(i));
    }
    char szValue[501] = {};
    if (nCount > 0)
        node.FindAttribute(node.GetAttributeName(nCount - 1), szValue, 500);
    node.FindAttribute("name", szValue, 500);
    return nTotal + std::strlen(szValue);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    if (nSize == 0)
        return 0;
    // The first byte picks the encoding; the rest is the document.
    auto encoding = static_cast<Orvik::MarkupEncoding>(pData[0] % 3);
    Orvik::CXmlMarkup doc;
    if (!doc.LoadFromMemory(pData + 1, static_cast<DWORD>(nSize - 1), encoding)) {
        volatile size_t n =
            std::strlen(doc.GetLastErrorMessage()) + std::strlen(doc.GetLastErrorLocation());
        (void)n;
        return 0;
    }
    // Depth-first without recursion: documents may nest very deeply.
    std::vector<Orvik::CXmlMarkupNode> lstPending;
    if (doc.GetRoot().IsValid())
        lstPending.push_back(doc.GetRoot());
    volatile size_t nTotal = 0;
    while (!lstPending.empty()) {
        Orvik::CXmlMarkupNode node = lstPending.back();
        lstPending.pop_back();
        nTotal = nTotal + ReadNode(node);
        Orvik::CXmlMarkupNode next = node.GetNextSibling();
        if (next.IsValid())
            lstPending.push_back(next);
        Orvik::CXmlMarkupNode child = node.GetFirstChild();
        if (child.IsValid())
            lstPending.push_back(child);
    }
    return 0;
}
