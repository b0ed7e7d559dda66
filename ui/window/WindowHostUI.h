// The per-window UI host: the control tree of one window, its resources and its paint cycle.
#pragma once

#include "platform/gdi.h"
#include "ui/core/UIPtrArray.h"
#include "ui/core/UIRect.h"
#include "ui/core/UIStringMap.h"
#include "ui/render/FontInfo.h"
#include "ui/render/IRenderResources.h"
#include "ui/render/ImagePaintState.h"
#include "ui/render/SkinImage.h"
#include "ui/window/ControlEvent.h"
#include "ui/window/HostInput.h"
#include "ui/window/HostNotification.h"
#include "ui/window/HostPaint.h"
#include "ui/window/HostResources.h"
#include "ui/window/HostTree.h"
#include "ui/window/IControlNodeUI.h"
#include "ui/window/MessageFilter.h"
#include "ui/window/NotifyRecord.h"
#include "ui/window/ShadowUI.h"

namespace Orvik {

// One host per skinned window: a front over the parts it owns (tree, input,
// notification, resources) and the paint cycle. The host owns the root of
// the tree and drives it through IControlNodeUI.
class CWindowHostUI : public IRenderResources {
public:
    // The deferred-work message: delayed cleanup runs when it arrives.
    static constexpr UINT WM_HOST_DEFERRED = 0x8001;
    // Native timer that refreshes layered windows.
    static constexpr UINT_PTR LAYERED_TIMER_ID = 8192;
    // The largest width or height "size" resizes a window to.
    static constexpr int MAX_WINDOW_EXTENT = 16384;

    CWindowHostUI();
    ~CWindowHostUI();
    CWindowHostUI(const CWindowHostUI&) = delete;
    CWindowHostUI& operator=(const CWindowHostUI&) = delete;

    // --- binding and tree (WindowHostTree.cpp) ---
    // Empties the per-window tables and binds the window (once per window).
    void Init(HWND hWnd, const char* pstrName = nullptr);
    HWND GetHWND() const { return m_hWndPaint; }
    const CUIString& GetName() const { return m_sName; }
    // Takes ownership of the root; an old root goes to delayed cleanup.
    bool AttachRoot(IControlNodeUI* pRoot);
    CControlUI* GetRoot() const;
    // Attaches a subtree (initialising it) and enters its names into the index.
    bool InitControls(IControlNodeUI* pControl, CControlUI* pParent = nullptr);
    bool RenameControl(IControlNodeUI* pControl, const char* pstrName);
    // Drops every reference the host holds to a control being destroyed.
    void ForgetControl(IControlNodeUI* pControl);
    // Exact bytes; null when absent.
    CControlUI* FindControlByName(const char* pstrName) const;
    // The deepest visible, mouse-enabled control under the point.
    CControlUI* FindControlAt(POINT pt) const;
    // Case-insensitive name search below pParent (the root when null).
    CControlUI* FindChildByName(IControlNodeUI* pParent, const char* pstrName) const;
    // Detaches the subtree now and deletes it at the next deferred-work message.
    void AddDelayedCleanup(IControlNodeUI* pControl);
    // Deletes what waits for cleanup; the deferred-work message runs it.
    void RunDelayedCleanup();
    int GetDelayedCleanupCount() const { return m_tree.CleanupCount(); }

    // --- event dispatch (WindowHostEvents.cpp, WindowHostPointer.cpp,
    //     WindowHostFocus.cpp, WindowHostKeys.cpp, WindowHostTimers.cpp,
    //     WindowHostNotify.cpp, WindowHostLoop.cpp) ---
    // The host's processing of one native message; true when handled.
    bool MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    // Keyboard processing before dispatch; true when the message is consumed.
    bool TranslateMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    bool TranslateAccel(LPMSG pMsg) { return m_notify.TranslateAccel(pMsg); }
    // Process-wide: true when the message must not be dispatched.
    static bool PreTranslateMessage(const LPMSG pMsg);
    // Process-wide: runs until the quit message.
    static void MessageLoop();

    CControlUI* GetFocus() const { return m_input.GetFocus(); }
    void SetFocus(IControlNodeUI* pControl, bool bFocusWnd = true) {
        m_input.SetFocus(pControl, bFocusWnd);
    }
    bool SetNextTabControl(bool bForward = true) { return m_input.SetNextTabControl(bForward); }
    void SetFocusNeeded(IControlNodeUI* pControl) { m_input.SetFocusNeeded(pControl); }
    bool IsFocusNeeded() const { return m_input.IsFocusNeeded(); }
    CControlUI* GetHover() const { return m_input.GetHover(); }
    CControlUI* GetPressed() const { return m_input.GetPressed(); }
    POINT GetMousePos() const { return m_input.GetMousePos(); }
    // The tooltip text of the control the pointer rests on, empty when none shows.
    const CUIString& GetToolTipText() const { return m_input.GetToolTipText(); }
    // The tooltip popup once a hover has made it, else null.
    HWND GetToolTipWindow() const { return m_input.GetToolTipWindow(); }

    void SetCapture() { m_input.SetCapture(); }
    void ReleaseCapture() { m_input.ReleaseCapture(); }
    bool IsCaptured() const { return m_input.IsCaptured(); }

    bool SetTimer(IControlNodeUI* pControl, UINT nTimerKey, UINT uElapse) {
        return m_notify.SetTimer(pControl, nTimerKey, uElapse);
    }
    bool KillTimer(IControlNodeUI* pControl, UINT nTimerKey) {
        return m_notify.KillTimer(pControl, nTimerKey);
    }
    void KillTimers(IControlNodeUI* pControl) { m_notify.KillTimers(pControl); }
    void RemoveAllTimers() { m_notify.RemoveAllTimers(); }

    void SendNotify(IControlNodeUI* pSender, const char* pstrType, WPARAM wParam = 0,
                    LPARAM lParam = 0, bool bAsync = false, bool bEnableRepeat = true);
    void SendNotify(NotifyRecord& msg, bool bAsync = false, bool bEnableRepeat = true);
    int GetPendingNotifyCount() const { return m_notify.PendingCount(); }

    void SetUseVirtualWindow(bool bUse) { m_notify.SetUseVirtualWindow(bUse); }
    bool IsUsingVirtualWindow() const { return m_notify.IsUsingVirtualWindow(); }
    bool AddNotifier(INotifyUI* pNotifier) { return m_notify.AddNotifier(pNotifier); }
    bool RemoveNotifier(INotifyUI* pNotifier) { return m_notify.RemoveNotifier(pNotifier); }
    bool AddPreMessageFilter(IMessageFilterUI* pFilter) {
        return m_notify.AddPreMessageFilter(pFilter);
    }
    bool RemovePreMessageFilter(IMessageFilterUI* pFilter) {
        return m_notify.RemovePreMessageFilter(pFilter);
    }
    bool AddMessageFilter(IMessageFilterUI* pFilter) { return m_notify.AddMessageFilter(pFilter); }
    bool RemoveMessageFilter(IMessageFilterUI* pFilter) {
        return m_notify.RemoveMessageFilter(pFilter);
    }
    bool AddTranslateAccelerator(ITranslateAccelerator* pAccel) {
        return m_notify.AddTranslateAccelerator(pAccel);
    }
    bool RemoveTranslateAccelerator(ITranslateAccelerator* pAccel) {
        return m_notify.RemoveTranslateAccelerator(pAccel);
    }
    void AddMouseLeaveListener(IControlNodeUI* pControl) {
        m_input.AddMouseLeaveListener(pControl);
    }
    void RemoveMouseLeaveListener(IControlNodeUI* pControl) {
        m_input.RemoveMouseLeaveListener(pControl);
    }
    bool AddOverlayPaint(IControlNodeUI* pControl) { return m_paint.AddOverlayPaint(pControl); }
    bool RemoveOverlayPaint(IControlNodeUI* pControl) {
        return m_paint.RemoveOverlayPaint(pControl);
    }
    bool AddNativeWindow(IControlNodeUI* pControl, HWND hChildWnd) {
        return m_input.AddNativeWindow(pControl, hChildWnd);
    }
    bool RemoveNativeWindow(HWND hChildWnd) { return m_input.RemoveNativeWindow(hChildWnd); }
    // Pointer rest time before hover is reported, without a tooltip window.
    static constexpr DWORD HOVER_TIME_MS = 1000;

    // --- invalidation and layout (WindowHostPaint.cpp) ---
    void Invalidate() { m_paint.Invalidate(); }
    // Clamps left and top to 0 and right and bottom to at least left and top.
    void Invalidate(const RECT& rc) { m_paint.Invalidate(rc); }
    void RequestLayoutPass() { m_paint.RequestLayoutPass(); }
    bool IsLayoutPassNeeded() const { return m_paint.IsLayoutPassNeeded(); }
    // The paint cycle for the window's update area (or the layered dirty area).
    void PaintWindow() { m_paint.PaintWindow(); }
    // Paints the whole tree into hDC, as for the platform's print request.
    void PrintClient(HDC hDC) { m_paint.PrintClient(hDC); }
    HDC GetBackDC() const { return m_paint.GetBackDC(); }
    HBITMAP GetBackBitmap() const { return m_paint.GetBackBitmap(); }

    // --- window attributes (WindowHostAttributes.cpp) ---
    void SetWindowAttribute(const char* pstrName, const char* pstrValue);
    SIZE GetInitSize() const { return m_szInitWindowSize; }
    void SetInitSize(int cx, int cy);
    const CUIRect& GetSizeBox() const { return m_rcSizeBox; }
    const CUIRect& GetCaptionRect() const { return m_rcCaption; }
    SIZE GetRoundCorner() const { return m_szRoundCorner; }
    SIZE GetMinInfo() const { return m_szMinWindow; }
    SIZE GetMaxInfo() const { return m_szMaxWindow; }
    bool IsShowDirty() const { return m_paint.IsShowDirty(); }
    bool IsNoActivate() const { return m_bNoActivate; }
    BYTE GetOpacity() const { return m_paint.GetOpacity(); }
    bool IsLayered() const { return m_paint.IsLayered(); }
    void SetOpacity(BYTE nOpacity) { m_paint.SetOpacity(nOpacity); }
    void SetLayered(bool bLayered) { m_paint.SetLayered(bLayered); }
    void SetLayeredOpacity(BYTE nOpacity) { m_paint.SetLayeredOpacity(nOpacity); }
    void SetLayeredImage(const char* pstrImage) { m_paint.SetLayeredImage(pstrImage); }
    const ImagePaintState& GetLayeredImage() const { return m_paint.GetLayeredImage(); }
    // The window's drop shadow, configured by the "shadow..." attributes.
    CShadowUI& GetShadow() { return m_paint.GetShadow(); }
    void AddWindowCustomAttribute(const char* pstrName, const char* pstrValue) {
        m_resources.AddWindowCustomAttribute(pstrName, pstrValue);
    }
    const char* GetWindowCustomAttribute(const char* pstrName) const {
        return m_resources.GetWindowCustomAttribute(pstrName);
    }
    void RemoveAllWindowCustomAttributes() { m_resources.RemoveAllWindowCustomAttributes(); }

    // --- default attribute lists and option groups (the resource part) ---
    void AddDefaultAttributeList(const char* pstrControlName, const char* pstrList,
                                 bool bShared = false) {
        m_resources.AddDefaultAttributeList(pstrControlName, pstrList, bShared);
    }
    const char* GetDefaultAttributeList(const char* pstrControlName) const {
        return m_resources.GetDefaultAttributeList(pstrControlName);
    }
    void RemoveAllDefaultAttributeLists(bool bShared = false) {
        m_resources.RemoveAllDefaultAttributeLists(bShared);
    }
    bool AddOptionGroup(const char* pstrGroupName, IControlNodeUI* pControl) {
        return m_resources.AddOptionGroup(pstrGroupName, pControl);
    }
    CUIPtrArray* GetOptionGroup(const char* pstrGroupName) const {
        return m_resources.GetOptionGroup(pstrGroupName);
    }
    void RemoveOptionFromGroup(const char* pstrGroupName, IControlNodeUI* pControl) {
        m_resources.RemoveOptionFromGroup(pstrGroupName, pControl);
    }
    void RemoveAllOptionGroups() { m_resources.RemoveAllOptionGroups(); }

    // --- language texts, process-wide ---
    static void SetLanguageText(int nId, const char* pstrText) {
        CHostResources::SetLanguageText(nId, pstrText);
    }
    static const char* GetLanguageText(int nId) { return CHostResources::GetLanguageText(nId); }
    // Replaces every "%{id}" token that has a text.
    static void ExpandLanguageTokens(CUIString& str) { CHostResources::ExpandLanguageTokens(str); }

    // The window's DC; null until a window is bound.
    HDC GetPaintDC() const { return m_hDcPaint; }
    bool IsSharedResources() const { return m_resources.IsSharedResources(); }
    void SetSharedResources(bool bShared) { m_resources.SetSharedResources(bShared); }

    DWORD GetDefaultDisabledColor() const { return m_resources.GetDefaultDisabledColor(); }
    DWORD GetDefaultFontColor() const { return m_resources.GetDefaultFontColor(); }
    DWORD GetDefaultLinkFontColor() const { return m_resources.GetDefaultLinkFontColor(); }
    DWORD GetDefaultLinkHoverFontColor() const {
        return m_resources.GetDefaultLinkHoverFontColor();
    }
    DWORD GetDefaultSelectedBkColor() const { return m_resources.GetDefaultSelectedBkColor(); }

    // --- images ---
    // The per-window table first, then the shared one; null when absent.
    SkinImage* GetImage(const char* pstrName) { return m_resources.GetImage(pstrName); }
    // Loads and stores the image under its name, replacing (and freeing) an
    // entry of that name in the same table. A name starting with a digit is
    // a numeric resource id when a resource type is given. Null on failure.
    SkinImage* AddImage(const char* pstrName, const char* pstrType = nullptr, DWORD dwMask = 0,
                        bool bShared = false) {
        return m_resources.AddImage(pstrName, pstrType, dwMask, bShared);
    }
    // GetImage, and AddImage into this window's table when absent.
    SkinImage* FindOrLoadImage(const char* pstrName, const char* pstrType = nullptr,
                               DWORD dwMask = 0) {
        return m_resources.FindOrLoadImage(pstrName, pstrType, dwMask);
    }
    void RemoveAllImages(bool bShared = false) { m_resources.RemoveAllImages(bShared); }
    // Loads the named image (every image when the name is empty) of this
    // window's table again, for a file replaced on disk. Records keep their
    // identity, so paint states pointing at them stay valid. The root repaints.
    void ReloadImages(const char* pstrName = nullptr);

    // --- fonts ---
    // Replaces the window's default font, or with bShared the process one.
    void SetDefaultFont(const char* pstrFaceName, int nSize, bool bBold, bool bUnderline,
                        bool bItalic, bool bShared = false) {
        m_resources.SetDefaultFont(pstrFaceName, nSize, bBold, bUnderline, bItalic, bShared);
    }
    // Stores a font under the decimal text of nId, replacing one of that id
    // in the same table. Null when the font cannot be made.
    HFONT AddFont(int nId, const char* pstrFaceName, int nSize, bool bBold, bool bUnderline,
                  bool bItalic, bool bShared = false) {
        return m_resources.AddFont(nId, pstrFaceName, nSize, bBold, bUnderline, bItalic, bShared);
    }
    // The font of the id (this window, then shared), else the default font.
    HFONT GetFont(int nId) { return m_resources.GetFont(nId); }
    // The first font with exactly these properties, or null.
    HFONT FindFont(const char* pstrFaceName, int nSize, bool bBold, bool bUnderline, bool bItalic) {
        return m_resources.FindFont(pstrFaceName, nSize, bBold, bUnderline, bItalic);
    }
    // Records as GetFont finds them, measured; never null.
    FontInfo* GetFontInfo(int nId) { return m_resources.GetFontInfo(nId); }
    FontInfo* GetFontInfo(HFONT hFont) { return m_resources.GetFontInfo(hFont); }
    // The window's default font while it has a face, else the process one.
    FontInfo* GetDefaultFontInfo() { return m_resources.GetDefaultFontInfo(); }
    void RemoveAllFonts(bool bShared = false) { m_resources.RemoveAllFonts(bShared); }
    // The resource part on its own, as the draw engine may be handed it.
    CHostResources& Resources() { return m_resources; }

    // --- what the draw engine reads: the resource part's answers ---
    SkinImage* LookupImage(const char* pstrName) override {
        return m_resources.LookupImage(pstrName);
    }
    SkinImage* LookupOrLoadImage(const char* pstrName, const char* pstrType,
                                 DWORD dwMask) override {
        return m_resources.LookupOrLoadImage(pstrName, pstrType, dwMask);
    }
    FontInfo* LookupFont(int nId) override { return m_resources.LookupFont(nId); }
    FontInfo* LookupDefaultFont() override { return m_resources.LookupDefaultFont(); }
    FontInfo* LookupFontByStyle(const char* pstrFaceName, int nSize, bool bBold, bool bUnderline,
                                bool bItalic) override {
        return m_resources.LookupFontByStyle(pstrFaceName, nSize, bBold, bUnderline, bItalic);
    }
    FontInfo* CreateWindowFont(int nId, const char* pstrFaceName, int nSize, bool bBold,
                               bool bUnderline, bool bItalic) override {
        return m_resources.CreateWindowFont(nId, pstrFaceName, nSize, bBold, bUnderline, bItalic);
    }
    DWORD LinkTextColor() const override { return m_resources.LinkTextColor(); }
    DWORD LinkHoverTextColor() const override { return m_resources.LinkHoverTextColor(); }
    DWORD SelectedTextBkColor() const override { return m_resources.SelectedTextBkColor(); }
    // Markup text picks its hover link by this, whoever draws it.
    POINT LastMousePoint() const override { return m_input.GetMousePos(); }
    const char* LanguageText(int nId) const override { return GetLanguageText(nId); }

private:
    friend class CHostNotification;
    friend class CHostInput;
    friend class CHostPaint;

    IControlNodeUI* Root() const { return m_tree.Root(); }

    void PostDeferredWork();

    // --- delivery: every call into controls and listeners goes through here ---
    // Runs a call into controls or listeners; false when the call destroyed
    // the host, and the caller must then return without touching a member.
    template <typename Fn>
    bool Guarded(Fn&& fn) {
        bool bBound = m_hWndPaint != nullptr;
        fn();
        // Not a member call: the host may be gone, and a call on it would read freed memory.
        return !bBound || IsLive(this);
    }
    static bool IsLive(const CWindowHostUI* pHost);
    void FillEvent(ControlEvent& event, int kind, IControlNodeUI* pTarget) const;
    // False when the host was destroyed by the handler.
    bool Deliver(IControlNodeUI* pTarget, ControlEvent& event);
    void DeliverTimer(IControlNodeUI* pTarget, UINT nTimerKey, LPARAM lParam);

    // --- the message table (WindowHostEvents.cpp) ---
    bool FilterMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    bool HandleLayeredFrame(UINT uMsg, WPARAM wParam, LRESULT& lRes);
    bool HandleWindowMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    void OnSizeMessage(WPARAM wParam, LPARAM lParam);
    void OnMinMaxInfoMessage(LPARAM lParam);
    bool ReflectMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    bool ReflectNotify(WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    void OnTimerMessage(WPARAM wParam, LPARAM lParam);
    void RunDeferredWork();
    void ClearPendingNotifications() { m_notify.ClearQueue(); }

    CUIString m_sName;
    HWND m_hWndPaint = nullptr;
    HDC m_hDcPaint = nullptr;
    bool m_bAsyncNotifyPosted = false;
    CHostTree m_tree;
    CHostNotification m_notify{*this};
    CHostInput m_input{*this};
    CHostResources m_resources{m_input.GetMousePos()};
    CHostPaint m_paint{*this};

    // Window attributes.
    bool m_bNoActivate = false;
    SIZE m_szMinWindow = {0, 0};
    SIZE m_szMaxWindow = {0, 0};
    SIZE m_szInitWindowSize = {0, 0};
    CUIRect m_rcSizeBox;
    SIZE m_szRoundCorner = {0, 0};
    CUIRect m_rcCaption;
};

}  // namespace Orvik
