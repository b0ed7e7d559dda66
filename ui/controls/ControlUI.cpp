// Control base: lifecycle, names, attachment, state flags, lookups and events.
#include "ui/controls/ControlUI.h"

#include <cstring>

#include "ui/controls/TreeRect.h"
#include "ui/window/WindowHostUI.h"

namespace Orvik {

CControlUI::CControlUI() = default;

CControlUI::~CControlUI() {
    if (m_pOverlay != nullptr) {
        CControlUI* pOverlay = m_pOverlay;
        m_pOverlay = nullptr;
        pOverlay->Delete();
    }
    RemoveAllCustomAttributes();
    OnDestroy.Invoke(this);
    if (m_pHost != nullptr)
        m_pHost->ForgetControl(this);
}

void CControlUI::Delete() {
    if (m_pHost != nullptr)
        m_pHost->RemoveMouseLeaveListener(this);
    delete this;
}

void CControlUI::SetName(const char* pstrName) {
    if (m_sName == pstrName)
        return;
    if (m_pHost == nullptr) {
        m_sName = pstrName;
        return;
    }
    // The host writes the name itself, or refuses when another control has it.
    m_pHost->RenameControl(this, pstrName);
}

LPVOID CControlUI::AsType(const char* pstrName) {
    return std::strcmp(pstrName, "Control") == 0 ? this : nullptr;
}

bool CControlUI::Activate() {
    return IsVisible() && IsEnabled();
}

void CControlUI::Attach(CWindowHostUI* pHost, CControlUI* pParent, bool bInit) {
    if (m_pOverlay != nullptr)
        m_pOverlay->Attach(pHost, this, bInit);
    m_pHost = pHost;
    m_pParent = pParent;
    if (bInit && m_pParent != nullptr)
        Init();
}

void CControlUI::SetOverlay(CControlUI* pOverlay) {
    if (pOverlay == m_pOverlay)
        return;
    if (m_pOverlay != nullptr)
        m_pOverlay->Delete();
    m_pOverlay = pOverlay;
    if (m_pOverlay == nullptr)
        return;
    if (m_pHost != nullptr)
        m_pHost->InitControls(m_pOverlay, this);
    else
        m_pOverlay->Attach(nullptr, this, false);
    if (IsVisible())
        RequestLayout();
    else
        m_pOverlay->SetInheritedVisible(false);
}

void CControlUI::SetText(const char* pstrText) {
    if (m_sText == pstrText)
        return;
    m_sText = pstrText;
    Invalidate();
}

void CControlUI::SetToolTip(const char* pstrText) {
    CUIString str(pstrText);
    str.Replace("<n>", "\r\n");
    m_sToolTip = str;
}

const char* CControlUI::GetVirtualWindow() const {
    if (!m_sVirtualWnd.IsEmpty())
        return m_sVirtualWnd;
    return m_pParent != nullptr ? m_pParent->GetVirtualWindow() : "";
}

void CControlUI::SetVirtualWindow(const char* pstrName) {
    m_sVirtualWnd = pstrName;
    if (m_pHost != nullptr)
        m_pHost->SetUseVirtualWindow(true);
}

void CControlUI::SetVisible(bool bVisible) {
    if (m_bVisible == bVisible)
        return;
    bool bWasVisible = IsVisible();
    m_bVisible = bVisible;
    m_bFocused = false;
    if (!bVisible && m_pHost != nullptr && m_pHost->GetFocus() == this)
        m_pHost->SetFocus(nullptr);
    if (IsVisible() != bWasVisible)
        RequestParentLayout();
    if (m_pOverlay != nullptr)
        m_pOverlay->SetInheritedVisible(IsVisible());
}

void CControlUI::SetInheritedVisible(bool bVisible) {
    m_bInheritedVisible = bVisible;
    if (!bVisible && m_pHost != nullptr && m_pHost->GetFocus() == this)
        m_pHost->SetFocus(nullptr);
    if (m_pOverlay != nullptr)
        m_pOverlay->SetInheritedVisible(IsVisible());
}

void CControlUI::SetEnabled(bool bEnabled) {
    if (m_bEnabled == bEnabled)
        return;
    m_bEnabled = bEnabled;
    Invalidate();
}

void CControlUI::SetFocus() {
    if (m_pHost != nullptr)
        m_pHost->SetFocus(this, false);
}

void CControlUI::SetFloat(bool bFloat) {
    if (m_bFloat == bFloat)
        return;
    m_bFloat = bFloat;
    RequestParentLayout();
}

void CControlUI::AddCustomAttribute(const char* pstrName, const char* pstrValue) {
    if (pstrName == nullptr || pstrName[0] == '\0' || pstrValue == nullptr || pstrValue[0] == '\0')
        return;
    if (m_mapCustomAttributes.Find(pstrName) != nullptr)
        return;  // the first value wins
    m_mapCustomAttributes.Insert(pstrName, new CUIString(pstrValue));
}

const char* CControlUI::GetCustomAttribute(const char* pstrName) const {
    if (pstrName == nullptr || pstrName[0] == '\0')
        return nullptr;
    auto* pValue = static_cast<CUIString*>(m_mapCustomAttributes.Find(pstrName));
    return pValue != nullptr ? pValue->GetData() : nullptr;
}

void CControlUI::RemoveAllCustomAttributes() {
    for (int i = 0; i < m_mapCustomAttributes.GetSize(); ++i)
        delete static_cast<CUIString*>(
            m_mapCustomAttributes.Find(m_mapCustomAttributes.GetAt(i), false));
    m_mapCustomAttributes.Resize(CUIStringMap::DEFAULT_BUCKETS);
}

CControlUI* CControlUI::FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) {
    if ((uFlags & UIFIND_VISIBLE) != 0 && !IsVisible())
        return nullptr;
    if ((uFlags & UIFIND_ENABLED) != 0 && !IsEnabled())
        return nullptr;
    if ((uFlags & UIFIND_HITTEST) != 0 && !PointInRect(m_rcItem, *static_cast<const POINT*>(pData)))
        return nullptr;
    if ((uFlags & UIFIND_UPDATETEST) != 0 && Proc(this, pData) != nullptr)
        return nullptr;
    bool bMayVisit = (uFlags & UIFIND_HITTEST) == 0 || IsMouseEnabled();
    CControlUI* pResult = nullptr;
    if ((uFlags & UIFIND_ME_FIRST) != 0 && bMayVisit)
        pResult = Proc(this, pData);
    if (pResult == nullptr && m_pOverlay != nullptr)
        pResult = m_pOverlay->FindControl(Proc, pData, uFlags);
    if (pResult == nullptr && (uFlags & UIFIND_ME_FIRST) == 0 && bMayVisit)
        pResult = Proc(this, pData);
    return pResult;
}

void CControlUI::Init() {
    InitHook();
    OnInit.Invoke(this);
}

void CControlUI::HandleEvent(ControlEvent& event) {
    if (!OnEvent.Invoke(&event))
        return;
    ProcessEvent(event);
}

void CControlUI::ProcessEvent(ControlEvent& event) {
    switch (event.kind) {
        case UIEVENT_CONTEXTMENU:
            if (IsMenuEnabled()) {
                if (m_pHost != nullptr)
                    m_pHost->SendNotify(this, "menu", event.wParam, event.lParam);
                return;
            }
            break;
        case UIEVENT_KILLFOCUS:
            m_bFocused = false;
            Invalidate();
            return;
        case UIEVENT_SETFOCUS:
            m_bFocused = true;
            Invalidate();
            return;
        case UIEVENT_SETCURSOR:
            // The standard arrow is the window's cursor until a control sets another.
            return;
        case UIEVENT_TIMER:
            if (m_pHost != nullptr)
                m_pHost->SendNotify(this, "timer", event.wParam, event.lParam);
            return;
        default:
            break;
    }
    if (m_pParent != nullptr)
        m_pParent->ProcessEvent(event);
}

}  // namespace Orvik
