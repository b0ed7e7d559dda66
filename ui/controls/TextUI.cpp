// Text: painting with link collection, the hand cursor, hover and the "link" notification.
#include "ui/controls/TextUI.h"

#include <cstring>

#include "ui/render/DrawEngine.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

namespace {

// The host's resources, with the pointer reported over the hot link so the
// markup drawing gives that link its hover colour.
class CHotLinkResources : public IRenderResources {
public:
    CHotLinkResources(IRenderResources& host, POINT pt) : m_host(host), m_pt(pt) {}
    SkinImage* LookupImage(const char* n) override { return m_host.LookupImage(n); }
    SkinImage* LookupOrLoadImage(const char* n, const char* t, DWORD m) override {
        return m_host.LookupOrLoadImage(n, t, m);
    }
    FontInfo* LookupFont(int nId) override { return m_host.LookupFont(nId); }
    FontInfo* LookupDefaultFont() override { return m_host.LookupDefaultFont(); }
    FontInfo* LookupFontByStyle(const char* f, int s, bool b, bool u, bool i) override {
        return m_host.LookupFontByStyle(f, s, b, u, i);
    }
    FontInfo* CreateWindowFont(int nId, const char* f, int s, bool b, bool u, bool i) override {
        return m_host.CreateWindowFont(nId, f, s, b, u, i);
    }
    DWORD LinkTextColor() const override { return m_host.LinkTextColor(); }
    DWORD LinkHoverTextColor() const override { return m_host.LinkHoverTextColor(); }
    DWORD SelectedTextBkColor() const override { return m_host.SelectedTextBkColor(); }
    POINT LastMousePoint() const override { return m_pt; }
    const char* LanguageText(int nId) const override { return m_host.LanguageText(nId); }

private:
    IRenderResources& m_host;
    POINT m_pt;
};

bool Inside(const RECT& rc, POINT pt) {
    return pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom;
}

}  // namespace

CTextUI::CTextUI() {
    m_uTextStyle = LABEL_STYLE_WORDBREAK;
    m_rcTextPadding = CUIRect(2, 0, 2, 0);
}

LPVOID CTextUI::AsType(const char* pstrName) {
    if (pstrName != nullptr && std::strcmp(pstrName, "Text") == 0)
        return this;
    return CLabelUI::AsType(pstrName);
}

UINT CTextUI::GetInputFlags() {
    return IsEnabled() && m_nLinks > 0 ? 2 : 0;
}

int CTextUI::LinkAt(POINT pt) const {
    for (int i = 0; i < m_nLinks; ++i)
        if (Inside(m_rcLinks[i], pt))
            return i;
    return -1;
}

void CTextUI::PaintText(HDC hDC) {
    if (m_sText.IsEmpty()) {
        m_nLinks = 0;
        return;
    }
    if (m_pHost == nullptr)
        return;
    ResolveDefaultColors();
    RECT rc = TextRect();
    DWORD dwColor = StateTextColor(false);
    if (!m_bShowHtml) {
        m_nLinks = 0;
        CDrawEngine::DrawPlainText(hDC, m_pHost, rc, m_sText, dwColor, m_iFont, m_uTextStyle);
        return;
    }
    POINT ptHot = {-1, -1};
    if (m_nHoverLink >= 0 && m_nHoverLink < m_nLinks)
        ptHot = POINT{m_rcLinks[m_nHoverLink].left, m_rcLinks[m_nHoverLink].top};
    CHotLinkResources res(*m_pHost, ptHot);
    m_nLinks = MAX_LINKS;
    CDrawEngine::DrawMarkupText(hDC, &res, rc, m_sText, dwColor, m_rcLinks, m_sLinks, m_nLinks,
                                m_iFont, m_uTextStyle);
}

// True when the event was handled here.
bool CTextUI::HandleMouse(ControlEvent& event) {
    int nLink = LinkAt(event.mousePoint);
    switch (event.kind) {
        case UIEVENT_SETCURSOR:
            if (nLink >= 0)
                ::SetCursor(::LoadCursorA(nullptr, IDC_HAND));
            return nLink >= 0;
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_DBLCLICK:
            if (!IsEnabled() || nLink < 0)
                return false;
            Invalidate();
            return true;
        case UIEVENT_BUTTONUP:
            if (IsEnabled() && nLink >= 0 && m_pHost != nullptr)
                m_pHost->SendNotify(this, "link", static_cast<WPARAM>(nLink), 0);
            return IsEnabled() && nLink >= 0;
        case UIEVENT_CONTEXTMENU:
            return true;
        default:
            return false;
    }
}

void CTextUI::ProcessEvent(ControlEvent& event) {
    bool bMouse = event.kind >= UIEVENT_MOUSE_FIRST && event.kind <= UIEVENT_MOUSE_LAST;
    if (!IsMouseEnabled() && bMouse) {
        if (m_pParent != nullptr)
            m_pParent->ProcessEvent(event);
        else
            CLabelUI::ProcessEvent(event);
        return;
    }
    if (HandleMouse(event))
        return;
    bool bLinks = IsEnabled() && m_nLinks > 0;
    if (event.kind == UIEVENT_MOUSEMOVE && bLinks) {
        int nLink = LinkAt(event.mousePoint);
        if (nLink != m_nHoverLink) {
            m_nHoverLink = nLink;
            Invalidate();
        }
        return;
    }
    if (event.kind == UIEVENT_MOUSELEAVE && bLinks && m_nHoverLink >= 0) {
        if (m_nHoverLink < m_nLinks && Inside(m_rcLinks[m_nHoverLink], event.mousePoint)) {
            if (m_pHost != nullptr)
                m_pHost->AddMouseLeaveListener(this);
            return;
        }
        m_nHoverLink = -1;
        Invalidate();
        if (m_pHost != nullptr)
            m_pHost->RemoveMouseLeaveListener(this);
        return;
    }
    CLabelUI::ProcessEvent(event);
}

}  // namespace Orvik
