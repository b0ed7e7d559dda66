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
#include "ui/window/IControlNodeUI.h"
#include "ui/window/MessageFilter.h"
#include "ui/window/NotifyRecord.h"
#include "ui/window/ShadowUI.h"

namespace Orvik {

// One host per skinned window. Images and fonts live in per-window tables
// or, with the shared flag or in shared-resources mode, in process-wide
// tables that every host reads after its own. All tables have 83 buckets.
// The host owns the root of the tree and drives it through IControlNodeUI.
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
    int GetDelayedCleanupCount() const { return m_aDelayedCleanup.GetSize(); }

    // --- event dispatch (WindowHostEvents.cpp, WindowHostPointer.cpp,
    //     WindowHostFocus.cpp, WindowHostKeys.cpp, WindowHostTimers.cpp,
    //     WindowHostNotify.cpp, WindowHostLoop.cpp) ---
    // The host's processing of one native message; true when handled.
    bool MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    // Keyboard processing before dispatch; true when the message is consumed.
    bool TranslateMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    bool TranslateAccel(LPMSG pMsg);
    // Process-wide: true when the message must not be dispatched.
    static bool PreTranslateMessage(const LPMSG pMsg);
    // Process-wide: runs until the quit message.
    static void MessageLoop();

    CControlUI* GetFocus() const;
    void SetFocus(IControlNodeUI* pControl, bool bFocusWnd = true);
    bool SetNextTabControl(bool bForward = true);
    void SetFocusNeeded(IControlNodeUI* pControl);
    bool IsFocusNeeded() const { return m_bFocusNeeded; }
    CControlUI* GetHover() const;
    CControlUI* GetPressed() const;
    POINT GetMousePos() const { return m_ptLastMousePos; }
    // The tooltip text of the control the pointer rests on, empty when none shows.
    const CUIString& GetToolTipText() const { return m_sToolTipText; }
    // The tooltip popup once a hover has made it, else null.
    HWND GetToolTipWindow() const { return m_hwndTooltip; }

    void SetCapture();
    void ReleaseCapture();
    bool IsCaptured() const { return m_bMouseCapture; }

    bool SetTimer(IControlNodeUI* pControl, UINT nTimerKey, UINT uElapse);
    bool KillTimer(IControlNodeUI* pControl, UINT nTimerKey);
    void KillTimers(IControlNodeUI* pControl);
    void RemoveAllTimers();

    void SendNotify(IControlNodeUI* pSender, const char* pstrType, WPARAM wParam = 0,
                    LPARAM lParam = 0, bool bAsync = false, bool bEnableRepeat = true);
    void SendNotify(NotifyRecord& msg, bool bAsync = false, bool bEnableRepeat = true);
    int GetPendingNotifyCount() const { return m_aAsyncNotify.GetSize(); }

    void SetUseVirtualWindow(bool bUse) { m_bUsedVirtualWnd = bUse; }
    bool IsUsingVirtualWindow() const { return m_bUsedVirtualWnd; }
    bool AddNotifier(INotifyUI* pNotifier);
    bool RemoveNotifier(INotifyUI* pNotifier);
    bool AddPreMessageFilter(IMessageFilterUI* pFilter);
    bool RemovePreMessageFilter(IMessageFilterUI* pFilter);
    bool AddMessageFilter(IMessageFilterUI* pFilter);
    bool RemoveMessageFilter(IMessageFilterUI* pFilter);
    bool AddTranslateAccelerator(ITranslateAccelerator* pAccel);
    bool RemoveTranslateAccelerator(ITranslateAccelerator* pAccel);
    void AddMouseLeaveListener(IControlNodeUI* pControl);
    void RemoveMouseLeaveListener(IControlNodeUI* pControl);
    bool AddOverlayPaint(IControlNodeUI* pControl);
    bool RemoveOverlayPaint(IControlNodeUI* pControl);
    bool AddNativeWindow(IControlNodeUI* pControl, HWND hChildWnd);
    bool RemoveNativeWindow(HWND hChildWnd);
    // Pointer rest time before hover is reported, without a tooltip window.
    static constexpr DWORD HOVER_TIME_MS = 1000;

    // --- invalidation and layout (WindowHostPaint.cpp) ---
    void Invalidate();
    // Clamps left and top to 0 and right and bottom to at least left and top.
    void Invalidate(const RECT& rc);
    void RequestLayoutPass() { m_bUpdateNeeded = true; }
    bool IsLayoutPassNeeded() const { return m_bUpdateNeeded; }
    // The paint cycle for the window's update area (or the layered dirty area).
    void PaintWindow();
    // Paints the whole tree into hDC, as for the platform's print request.
    void PrintClient(HDC hDC);
    HDC GetBackDC() const { return m_hDcOffscreen; }
    HBITMAP GetBackBitmap() const { return m_hbmpOffscreen; }

    // --- window attributes (WindowHostAttributes.cpp) ---
    void SetWindowAttribute(const char* pstrName, const char* pstrValue);
    SIZE GetInitSize() const { return m_szInitWindowSize; }
    void SetInitSize(int cx, int cy);
    const CUIRect& GetSizeBox() const { return m_rcSizeBox; }
    const CUIRect& GetCaptionRect() const { return m_rcCaption; }
    SIZE GetRoundCorner() const { return m_szRoundCorner; }
    SIZE GetMinInfo() const { return m_szMinWindow; }
    SIZE GetMaxInfo() const { return m_szMaxWindow; }
    bool IsShowDirty() const { return m_bShowUpdateRect; }
    bool IsNoActivate() const { return m_bNoActivate; }
    BYTE GetOpacity() const { return m_nOpacity; }
    bool IsLayered() const { return m_bLayered; }
    void SetOpacity(BYTE nOpacity);
    void SetLayered(bool bLayered);
    void SetLayeredOpacity(BYTE nOpacity);
    void SetLayeredImage(const char* pstrImage);
    const ImagePaintState& GetLayeredImage() const { return m_diLayered; }
    // The window's drop shadow, configured by the "shadow..." attributes.
    CShadowUI& GetShadow() { return m_shadow; }
    void AddWindowCustomAttribute(const char* pstrName, const char* pstrValue);
    const char* GetWindowCustomAttribute(const char* pstrName) const;
    void RemoveAllWindowCustomAttributes();

    // --- default attribute lists and option groups (WindowHostLists.cpp) ---
    void AddDefaultAttributeList(const char* pstrControlName, const char* pstrList,
                                 bool bShared = false);
    const char* GetDefaultAttributeList(const char* pstrControlName) const;
    void RemoveAllDefaultAttributeLists(bool bShared = false);
    bool AddOptionGroup(const char* pstrGroupName, IControlNodeUI* pControl);
    CUIPtrArray* GetOptionGroup(const char* pstrGroupName) const;
    void RemoveOptionFromGroup(const char* pstrGroupName, IControlNodeUI* pControl);
    void RemoveAllOptionGroups();

    // --- language texts, process-wide (WindowHostLanguage.cpp) ---
    static void SetLanguageText(int nId, const char* pstrText);
    static const char* GetLanguageText(int nId);
    // Replaces every "%{id}" token that has a text.
    static void ExpandLanguageTokens(CUIString& str);

    // The window's DC; null until a window is bound.
    HDC GetPaintDC() const { return m_hDcPaint; }
    bool IsSharedResources() const { return m_bSharedResources; }
    void SetSharedResources(bool bShared) { m_bSharedResources = bShared; }

    DWORD GetDefaultDisabledColor() const { return m_dwDefaultDisabledColor; }
    DWORD GetDefaultFontColor() const { return m_dwDefaultFontColor; }
    DWORD GetDefaultLinkFontColor() const { return m_dwDefaultLinkFontColor; }
    DWORD GetDefaultLinkHoverFontColor() const { return m_dwDefaultLinkHoverFontColor; }
    DWORD GetDefaultSelectedBkColor() const { return m_dwDefaultSelectedBkColor; }

    // --- images ---
    // The per-window table first, then the shared one; null when absent.
    SkinImage* GetImage(const char* pstrName);
    // Loads and stores the image under its name, replacing (and freeing) an
    // entry of that name in the same table. A name starting with a digit is
    // a numeric resource id when a resource type is given. Null on failure.
    SkinImage* AddImage(const char* pstrName, const char* pstrType = nullptr, DWORD dwMask = 0,
                        bool bShared = false);
    // GetImage, and AddImage into this window's table when absent.
    SkinImage* FindOrLoadImage(const char* pstrName, const char* pstrType = nullptr,
                               DWORD dwMask = 0);
    void RemoveAllImages(bool bShared = false);
    // Loads the named image (every image when the name is empty) of this
    // window's table again, for a file replaced on disk. Records keep their
    // identity, so paint states pointing at them stay valid. The root repaints.
    void ReloadImages(const char* pstrName = nullptr);

    // --- fonts ---
    // Replaces the window's default font, or with bShared the process one.
    void SetDefaultFont(const char* pstrFaceName, int nSize, bool bBold, bool bUnderline,
                        bool bItalic, bool bShared = false);
    // Stores a font under the decimal text of nId, replacing one of that id
    // in the same table. Null when the font cannot be made.
    HFONT AddFont(int nId, const char* pstrFaceName, int nSize, bool bBold, bool bUnderline,
                  bool bItalic, bool bShared = false);
    // The font of the id (this window, then shared), else the default font.
    HFONT GetFont(int nId);
    // The first font with exactly these properties, or null.
    HFONT FindFont(const char* pstrFaceName, int nSize, bool bBold, bool bUnderline, bool bItalic);
    // Records as GetFont finds them, measured; never null.
    FontInfo* GetFontInfo(int nId);
    FontInfo* GetFontInfo(HFONT hFont);
    // The window's default font while it has a face, else the process one.
    FontInfo* GetDefaultFontInfo();
    void RemoveAllFonts(bool bShared = false);

    // --- what the draw engine reads (WindowHostRender.cpp) ---
    SkinImage* LookupImage(const char* pstrName) override;
    SkinImage* LookupOrLoadImage(const char* pstrName, const char* pstrType, DWORD dwMask) override;
    FontInfo* LookupFont(int nId) override;
    FontInfo* LookupDefaultFont() override;
    FontInfo* LookupFontByStyle(const char* pstrFaceName, int nSize, bool bBold, bool bUnderline,
                                bool bItalic) override;
    FontInfo* CreateWindowFont(int nId, const char* pstrFaceName, int nSize, bool bBold,
                               bool bUnderline, bool bItalic) override;
    DWORD LinkTextColor() const override { return m_dwDefaultLinkFontColor; }
    DWORD LinkHoverTextColor() const override { return m_dwDefaultLinkHoverFontColor; }
    DWORD SelectedTextBkColor() const override { return m_dwDefaultSelectedBkColor; }
    const char* LanguageText(int nId) const override { return GetLanguageText(nId); }

private:
    // Paint cycle passes (WindowHostPaint.cpp, WindowHostLayered.cpp).
    void PaintNoRoot();
    bool TakeAreaToRepaint(RECT& rcPaint);
    bool RunLayoutPass(const RECT& rcClient);
    void LayoutPendingControls();
    void EnsureBackBuffer(const RECT& rcClient);
    void ReleaseBuffers();
    void PaintIntoBackBuffer(HDC hDC, const RECT& rcPaint);
    void ComposeLayered(const RECT& rcClient, const RECT& rcPaint);
    void PresentLayered(const RECT& rcClient);
    void DrawDirtyOutline(HDC hDC, const RECT& rcPaint);
    void ZeroBackPixels(const RECT& rcPaint);
    void SendWindowInit();
    void PostDeferredWork();
    void ClearTreeState();
    void RemoveAllTables();

    CUIStringMap& ImageTable(bool bShared);
    CUIStringMap& FontTable(bool bShared);
    // Measures a record whose metrics are still empty.
    FontInfo* Measured(FontInfo* pInfo);
    void MeasureFont(FontInfo& info);
    // The DC fonts are measured with: the window's, or a memory DC while no
    // window is bound.
    HDC MeasureDC() const;

    // --- event dispatch state and steps ---
    struct TimerRecord;
    struct AsyncNotify;
    bool FilterMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    bool HandleLayeredFrame(UINT uMsg, WPARAM wParam, LRESULT& lRes);
    bool HandleWindowMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    bool HandlePointerMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    bool HandleKeyMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    void OnSizeMessage(WPARAM wParam, LPARAM lParam);
    void OnKillFocusMessage(HWND hWndNew);
    void OnCloseMessage();
    bool OnSetCursorMessage(LPARAM lParam);
    void OnMinMaxInfoMessage(LPARAM lParam);
    bool ReflectMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    bool ReflectNotify(WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    void OnContextMenuMessage(WPARAM wParam, LPARAM lParam);
    void OnTimerMessage(WPARAM wParam, LPARAM lParam);
    void OnMouseMove(WPARAM wParam, LPARAM lParam);
    void OnButtonDown(WPARAM wParam, LPARAM lParam);
    void OnButtonUp(WPARAM wParam, LPARAM lParam);
    void OnDoubleClick(WPARAM wParam, LPARAM lParam);
    void OnRightButtonDown(WPARAM wParam, LPARAM lParam);
    void OnMouseWheel(WPARAM wParam, LPARAM lParam);
    bool OnMouseHover(LPARAM lParam);
    void OnMouseLeaveMessage();
    void ChangeHover(IControlNodeUI* pNewHover, WPARAM wParam, LPARAM lParam);
    void TakeNativeFocus();
    IControlNodeUI* OwnNodeAt(POINT pt) const;
    void FillEvent(ControlEvent& event, int kind, IControlNodeUI* pTarget) const;
    // False when the host was destroyed by the handler.
    bool Deliver(IControlNodeUI* pTarget, ControlEvent& event);
    void DropFocus(IControlNodeUI* pNewFocus);
    IControlNodeUI* FindTabStop(bool bForward, bool& bWrapped);
    bool HandleShortcut(WPARAM wParam);
    void DeliverNotify(NotifyRecord& msg, IControlNodeUI* pSender);
    void RunDeferredWork();
    void StampNotify(NotifyRecord& msg, IControlNodeUI* pSender);
    void SendNotifyFrom(NotifyRecord& msg, IControlNodeUI* pSender, bool bAsync,
                        bool bEnableRepeat);
    IControlNodeUI* NodeOf(CControlUI* pControl) const;
    void ClearPendingNotifications();
    void ForgetEventReferences(IControlNodeUI* pControl);

    POINT m_ptLastMousePos = {-1, -1};
    bool m_bMouseCapture = false;
    bool m_bMouseTracking = false;
    CUIString m_sToolTipText;
    POINT m_ptLastToolTip = {-1, -1};
    // The tooltip popup, made on the first hover that has a text
    // (WindowHostToolTip.cpp).
    HWND m_hwndTooltip = nullptr;
    TOOLINFOA m_ToolTip = {};
    void ShowToolTipFor(IControlNodeUI* pControl);
    void HideToolTip();
    void DestroyToolTip();
    DWORD HoverTimeMs() const;
    UINT m_uTimerID = 0x1000;
    CUIPtrArray m_aTimers;
    CUIPtrArray m_aAsyncNotify;
    CUIPtrArray m_aPreMessageFilters;
    CUIPtrArray m_aMessageFilters;
    CUIPtrArray m_aTranslateAccelerators;

    CUIString m_sName;
    HWND m_hWndPaint = nullptr;
    HDC m_hDcPaint = nullptr;
    HDC m_hDcOffscreen = nullptr;
    HDC m_hDcMask = nullptr;
    HBITMAP m_hbmpOffscreen = nullptr;
    BYTE* m_pOffscreenBits = nullptr;
    HBITMAP m_hbmpMask = nullptr;
    BYTE* m_pMaskBits = nullptr;
    bool m_bNoActivate = false;
    bool m_bShowUpdateRect = false;
    IControlNodeUI* m_pRoot = nullptr;
    IControlNodeUI* m_pFocus = nullptr;
    IControlNodeUI* m_pEventHover = nullptr;
    IControlNodeUI* m_pEventClick = nullptr;
    IControlNodeUI* m_pEventKey = nullptr;
    SIZE m_szMinWindow = {0, 0};
    SIZE m_szMaxWindow = {0, 0};
    SIZE m_szInitWindowSize = {0, 0};
    CUIRect m_rcSizeBox;
    SIZE m_szRoundCorner = {0, 0};
    CUIRect m_rcCaption;
    bool m_bFirstLayout = true;
    bool m_bUpdateNeeded = false;
    bool m_bFocusNeeded = false;
    BYTE m_nOpacity = 255;
    bool m_bLayered = false;
    bool m_bLayeredChanged = false;
    CUIRect m_rcLayeredUpdate;
    ImagePaintState m_diLayered;
    bool m_bIsPainting = false;
    bool m_bUsedVirtualWnd = false;
    bool m_bAsyncNotifyPosted = false;
    CUIPtrArray m_aNotifiers;
    CUIPtrArray m_aPostPaintControls;
    CUIPtrArray m_aNativeWindow;
    CUIPtrArray m_aNativeWindowControl;
    CUIPtrArray m_aDelayedCleanup;
    CUIPtrArray m_aFoundControls;
    CUIPtrArray m_aNeedMouseLeaveNeeded;
    CUIStringMap m_mapNameHash;
    CUIStringMap m_mapWindowCustomAttrs;
    CUIStringMap m_mapOptionGroups;
    CUIStringMap m_mapDefaultAttrs;
    CShadowUI m_shadow;
    bool m_bSharedResources = false;
    DWORD m_dwDefaultDisabledColor;
    DWORD m_dwDefaultFontColor;
    DWORD m_dwDefaultLinkFontColor;
    DWORD m_dwDefaultLinkHoverFontColor;
    DWORD m_dwDefaultSelectedBkColor;
    FontInfo m_DefaultFontInfo;
    CUIStringMap m_mapFonts;
    CUIStringMap m_mapImages;
};

}  // namespace Orvik
