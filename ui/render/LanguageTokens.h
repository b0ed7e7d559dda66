// Expanding "%{id}" language tokens in a text from the host's language table.
#pragma once

#include "ui/core/UIString.h"
#include "ui/render/IRenderResources.h"

namespace Orvik {

// Replaces every "%{digits}" whose id has a language text ("%{}" is id 0);
// tokens without a text stay. Inserted texts are not scanned again, so a
// text that contains its own token cannot make the string grow forever.
void ExpandLanguageTokens(CUIString& strText, const IRenderResources& res);

}  // namespace Orvik
