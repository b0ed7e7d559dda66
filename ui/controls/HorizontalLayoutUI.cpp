// Horizontal layout: its type name and the attribute of its resize band.
#include "ui/controls/HorizontalLayoutUI.h"

#include <cstring>

#include "ui/controls/AttributeValue.h"

namespace Orvik {

LPVOID CHorizontalLayoutUI::AsType(const char* pstrName) {
    if (std::strcmp(pstrName, "HorizontalLayout") == 0)
        return this;
    return CContainerUI::AsType(pstrName);
}

void CHorizontalLayoutUI::SetAttribute(const char* pstrName, const char* pstrValue) {
    if (pstrName != nullptr && std::strcmp(pstrName, "sepwidth") == 0)
        SetSepWidth(ParseExtentValue(pstrValue));
    else
        CBoxLayoutUI::SetAttribute(pstrName, pstrValue);
}

}  // namespace Orvik
