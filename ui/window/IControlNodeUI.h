// What the window host asks of the controls of its tree.
#pragma once

#include "platform/win32_types.h"
#include "ui/core/UIRect.h"
#include "ui/core/UIString.h"

namespace Orvik {

class CControlUI;
class CWindowHostUI;
class IControlNodeUI;
struct ControlEvent;
struct NotifyRecord;

// A tree walk's visitor: the first non-null result ends the search.
typedef CControlUI* (*FINDCONTROLPROC)(IControlNodeUI* pControl, LPVOID pData);

// FindControl flags.
constexpr UINT UIFIND_ALL = 0x00000000;
constexpr UINT UIFIND_VISIBLE = 0x00000001;
constexpr UINT UIFIND_ENABLED = 0x00000002;
constexpr UINT UIFIND_HITTEST = 0x00000004;
constexpr UINT UIFIND_UPDATETEST = 0x00000008;
constexpr UINT UIFIND_TOP_FIRST = 0x00000010;
constexpr UINT UIFIND_ME_FIRST = 0x80000000;

// The control base implements this one layer up; the host drives the tree
// through it, so the window layer never includes a control header.
class IControlNodeUI {
public:
    virtual ~IControlNodeUI() = default;
    virtual CControlUI* GetControl() = 0;
    virtual const char* GetName() const = 0;
    // Writes the name without asking the host again (the host renames).
    virtual void StoreName(const char* pstrName) = 0;
    virtual CControlUI* GetParent() const = 0;
    virtual void Attach(CWindowHostUI* pHost, CControlUI* pParent, bool bInit) = 0;
    virtual void Delete() = 0;
    virtual bool IsVisible() const = 0;
    virtual bool IsFloat() const = 0;
    virtual bool IsLayoutPending() const = 0;
    virtual const CUIRect& GetBounds() const = 0;
    virtual CUIRect GetBoundsInParent() const = 0;
    virtual void SetBounds(const RECT& rc, bool bInvalidate) = 0;
    virtual void RequestLayout() = 0;
    virtual void Invalidate() = 0;
    virtual CControlUI* FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) = 0;
    virtual bool Paint(HDC hDC, const RECT& rcPaint, CControlUI* pStopAt) = 0;
    virtual void PaintOverlay(HDC hDC, const RECT& rcPaint) = 0;
    virtual void HandleEvent(ControlEvent& event) = 0;

    // What event dispatch reads of a control.
    virtual CWindowHostUI* GetHost() const = 0;
    virtual bool IsEnabled() const = 0;
    // Bit 1: a tab stop; bit 2: wants the cursor request; bit 4: a text
    // control that takes Tab characters itself.
    virtual UINT GetInputFlags() = 0;
    virtual const char* GetTypeName() const = 0;
    virtual const CUIString& GetToolTip() const = 0;
    virtual int GetToolTipWidth() const = 0;
    virtual int GetToolTipDelay() const = 0;
    virtual char GetShortcut() const = 0;
    virtual const char* GetVirtualWindow() const = 0;
    virtual void SetFocus() = 0;
    virtual bool Activate() = 0;
    // Runs the control's notify listeners.
    virtual void NotifyListeners(NotifyRecord& msg) = 0;
};

}  // namespace Orvik
