// The window host's tree part: the root, the index of names and the subtrees waiting for deletion.
#pragma once

#include "ui/core/UIPtrArray.h"
#include "ui/core/UIStringMap.h"
#include "ui/window/IControlNodeUI.h"

namespace Orvik {

// Holds no host pointer: attaching controls and posting the deferred-work
// message stay with the host, so the index and the cleanup order can be
// checked on their own.
class CHostTree {
public:
    CHostTree() = default;
    ~CHostTree();
    CHostTree(const CHostTree&) = delete;
    CHostTree& operator=(const CHostTree&) = delete;

    IControlNodeUI* Root() const { return m_pRoot; }
    CControlUI* GetRoot() const;
    // Replaces the root without deleting the old one; returns the old one.
    IControlNodeUI* SwapRoot(IControlNodeUI* pRoot);
    // Deletes the root now (the host's end).
    void DeleteRoot();

    // Empties the name index.
    void ResetIndex();
    // Enters every named control of the subtree; an existing entry stays.
    void IndexSubtree(IControlNodeUI* pControl);
    // False when the new name is taken; the old entry goes only when it is this control's.
    bool Rename(IControlNodeUI* pControl, const char* pstrName);
    // Drops the control from the root and the index.
    void Forget(IControlNodeUI* pControl);
    // Exact bytes; null when absent.
    CControlUI* FindByName(const char* pstrName) const;
    // The deepest visible, mouse-enabled control under the point.
    CControlUI* FindAt(POINT pt) const;
    // Case-insensitive name search below pParent (the root when null).
    CControlUI* FindChildByName(IControlNodeUI* pParent, const char* pstrName) const;
    // The node of a control of this tree, or null.
    IControlNodeUI* NodeOf(CControlUI* pControl) const;

    // Queues an already detached subtree for deletion.
    void QueueCleanup(IControlNodeUI* pControl) { m_aDelayedCleanup.Add(pControl); }
    // Deletes in queue order, and what those deletions queue after them.
    void RunCleanup();
    int CleanupCount() const { return m_aDelayedCleanup.GetSize(); }

private:
    IControlNodeUI* m_pRoot = nullptr;
    CUIStringMap m_mapNameHash;
    CUIPtrArray m_aDelayedCleanup;
};

}  // namespace Orvik
