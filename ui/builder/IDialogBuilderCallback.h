// The skin builder's hook for tags it does not know.
#pragma once

namespace Orvik {

class CControlUI;

class IDialogBuilderCallback {
public:
    virtual ~IDialogBuilderCallback() = default;
    // A new control for the tag, or null to skip the element and its subtree.
    // The builder owns what is returned.
    virtual CControlUI* CreateCustomControl(const char* pstrClass) = 0;
};

}  // namespace Orvik
