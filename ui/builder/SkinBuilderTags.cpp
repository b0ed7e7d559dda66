// Tag table: tag names of the skin dialect and the classes behind them.
#include "ui/builder/SkinBuilderTags.h"

#include <strings.h>
#include <cstring>

#include "ui/controls/ButtonUI.h"
#include "ui/controls/CheckBoxUI.h"
#include "ui/controls/ContainerUI.h"
#include "ui/controls/GifAnimUI.h"
#include "ui/controls/HorizontalLayoutUI.h"
#include "ui/controls/LabelUI.h"
#include "ui/controls/OptionUI.h"
#include "ui/controls/ProgressUI.h"
#include "ui/controls/RichEditUI.h"
#include "ui/controls/ScrollBarUI.h"
#include "ui/controls/TextUI.h"
#include "ui/controls/VerticalLayoutUI.h"

namespace Orvik {

namespace {

struct TagEntry {
    const char* pstrTag;
    bool bExactCase;
    CControlUI* (*pfnCreate)();
};

template <class T>
CControlUI* Make() {
    return new T;
}

// Tags whose classes do not exist yet are absent, so they reach the
// builder's callback like any custom tag.
const TagEntry TAGS[] = {
    {"Control", false, &Make<CControlUI>},
    {"Container", false, &Make<CContainerUI>},
    {"VerticalLayout", false, &Make<CVerticalLayoutUI>},
    {"VBox", false, &Make<CVerticalLayoutUI>},
    {"HorizontalLayout", false, &Make<CHorizontalLayoutUI>},
    {"HBox", false, &Make<CHorizontalLayoutUI>},
    {"Button", false, &Make<CButtonUI>},
    {"Option", false, &Make<COptionUI>},
    {"CheckBox", false, &Make<CCheckBoxUI>},
    {"ScrollBar", false, &Make<CScrollBarUI>},
    // Text, progress, rich edit and animated GIF controls.
    {"Label", false, &Make<CLabelUI>},
    {"Text", false, &Make<CTextUI>},
    {"Progress", false, &Make<CProgressUI>},
    {"RichEdit", false, &Make<CRichEditUI>},
    {"GifAnim", true, &Make<CGifAnimUI>},
};

}  // namespace

CControlUI* CreateControlForTag(const char* pstrTag) {
    if (pstrTag == nullptr)
        return nullptr;
    for (const TagEntry& entry : TAGS) {
        bool bMatch = entry.bExactCase ? std::strcmp(pstrTag, entry.pstrTag) == 0
                                       : strcasecmp(pstrTag, entry.pstrTag) == 0;
        if (bMatch)
            return entry.pfnCreate();
    }
    return nullptr;
}

}  // namespace Orvik
