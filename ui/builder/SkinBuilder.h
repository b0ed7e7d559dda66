// Builds a tree of controls from one skin document.
#pragma once

#include "ui/builder/IDialogBuilderCallback.h"
#include "ui/core/UIResName.h"
#include "ui/core/UIString.h"
#include "ui/markup/XmlMarkup.h"

namespace Orvik {

class CControlUI;
class CWindowHostUI;

// One builder per document. The root element's resource children go to the
// host's tables, its attributes to the window (for a Window root), and its
// control children become the tree whose first control is returned. The
// builder configures controls; the host attaches and initialises them.
class CSkinBuilder {
public:
    // Includes nest at most this deep, so a document that includes itself ends.
    static constexpr int MAX_INCLUDE_DEPTH = 16;
    // Elements nested deeper than this (includes counted in) are skipped:
    // building, layout and painting recurse once per level.
    static constexpr int MAX_NESTING_DEPTH = 256;

    CSkinBuilder() = default;
    CSkinBuilder(const CSkinBuilder&) = delete;
    CSkinBuilder& operator=(const CSkinBuilder&) = delete;

    // A resource id (below 65536) of pstrType, an inline document starting
    // with "<", or a skin file name. Null when loading or building fails.
    CControlUI* Create(CUIResName xml, const char* pstrType = nullptr,
                       IDialogBuilderCallback* pCallback = nullptr, CWindowHostUI* pHost = nullptr,
                       CControlUI* pParent = nullptr);
    // Builds from the document loaded before.
    CControlUI* Create(IDialogBuilderCallback* pCallback = nullptr, CWindowHostUI* pHost = nullptr,
                       CControlUI* pParent = nullptr);

    CXmlMarkup* GetMarkup() { return &m_xml; }
    // The load error and where it happened, as the parser reported them.
    const char* GetLastErrorMessage() const { return m_xml.GetLastErrorMessage(); }
    const char* GetLastErrorLocation() const { return m_xml.GetLastErrorLocation(); }

private:
    bool Load(CUIResName xml, const char* pstrType);
    void ApplyResources(CXmlMarkupNode root, CWindowHostUI* pHost);
    void ApplyWindowAttributes(CXmlMarkupNode root, CWindowHostUI* pHost);
    CControlUI* BuildChildren(CXmlMarkupNode element, CControlUI* pParent, CWindowHostUI* pHost);
    CControlUI* BuildEachChild(CXmlMarkupNode element, CControlUI* pParent, CWindowHostUI* pHost);
    void BuildInclude(CXmlMarkupNode node, CControlUI* pParent, CWindowHostUI* pHost);
    CControlUI* CreateControl(const char* pstrClass);
    // Adds to the parent or makes it the overlay; false when the parent
    // cannot take children, which ends the parent's element.
    bool PlaceInParent(CXmlMarkupNode node, CControlUI* pControl, CControlUI* pParent,
                       bool& bDropped);
    void Configure(CXmlMarkupNode node, CControlUI* pControl, CWindowHostUI* pHost);

    CXmlMarkup m_xml;
    IDialogBuilderCallback* m_pCallback = nullptr;
    const char* m_pstrType = nullptr;
    int m_nDepth = 0;
    int m_nLevel = 0;
};

}  // namespace Orvik
