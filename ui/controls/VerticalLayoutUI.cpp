// Vertical layout: its type name and the attribute of its resize band.
#include "ui/controls/VerticalLayoutUI.h"

#include <cstring>

#include "ui/controls/AttributeValue.h"

namespace Orvik {

LPVOID CVerticalLayoutUI::AsType(const char* pstrName) {
    if (std::strcmp(pstrName, "VerticalLayout") == 0)
        return this;
    return CContainerUI::AsType(pstrName);
}

void CVerticalLayoutUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    if (pstrName != nullptr && std::strcmp(pstrName, "sepheight") == 0)
        SetSepHeight(ParseExtentValue(pstrValue));
    else
        CBoxLayoutUI::SetAttribute(pstrName, pstrValue);
}

}  // namespace Orvik
