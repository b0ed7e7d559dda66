// The check box: an option under its own type name.
#pragma once

#include "ui/controls/OptionUI.h"

namespace Orvik {

class CCheckBoxUI : public COptionUI {
public:
    const char* GetTypeName() const override { return "CheckBox"; }
    LPVOID AsType(const char* pstrName) override;
};

}  // namespace Orvik
