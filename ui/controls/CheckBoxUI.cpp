// Check box type lookup.
#include "ui/controls/CheckBoxUI.h"

#include <cstring>

namespace Orvik {

LPVOID CCheckBoxUI::AsType(const char* pstrName) {
    if (pstrName != nullptr && std::strcmp(pstrName, "CheckBox") == 0)
        return this;
    return COptionUI::AsType(pstrName);
}

}  // namespace Orvik
