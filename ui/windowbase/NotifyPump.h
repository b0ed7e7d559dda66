// Routes a window's notifications to its handler functions through per-class tables.
#pragma once

#include "ui/core/UIStringMap.h"
#include "ui/window/NotifyRecord.h"

namespace Orvik {

class CNotifyPump;

// Handlers are small functions that cast the pump to the window class
// (which adjusts the pointer) and call its member.
typedef LRESULT (*NotifyParamsFn)(CNotifyPump* pPump, WPARAM wParam, LPARAM lParam);
typedef void (*NotifyRecordFn)(CNotifyPump* pPump, NotifyRecord& msg);

enum NotifySignature {
    NOTIFY_SIG_END = 0,
    NOTIFY_SIG_PARAMS = 1,
    NOTIFY_SIG_RECORD = 2,
};

struct NotifyMapEntry {
    const char* pstrType;
    // Empty: any control.
    const char* pstrControl;
    int nSignature;
    NotifyParamsFn pfnParams;
    NotifyRecordFn pfnRecord;
};

// A class's table, ended by an entry of signature 0, and its base's table.
struct NotifyMapTable {
    const NotifyMapTable* pBase;
    const NotifyMapEntry* pEntries;
};

class CNotifyPump {
public:
    CNotifyPump() = default;
    virtual ~CNotifyPump() = default;
    CNotifyPump(const CNotifyPump&) = delete;
    CNotifyPump& operator=(const CNotifyPump&) = delete;

    virtual const NotifyMapTable* NotifyMap() const;
    bool AddVirtualWnd(const char* pstrName, CNotifyPump* pObject);
    bool RemoveVirtualWnd(const char* pstrName);
    // True when a virtual window or a table entry took the notification.
    bool NotifyPump(NotifyRecord& msg);

protected:
    bool LoopDispatch(NotifyRecord& msg);

private:
    CUIStringMap m_VirtualWndMap;
};

}  // namespace Orvik
