// Expanding "%{id}" language tokens in a text from the language table.
#pragma once

#include <functional>

#include "ui/core/UIString.h"
#include "ui/render/IRenderResources.h"

namespace Orvik {

// The text of a language id, or null when the id has none.
using LanguageLookup = std::function<const char*(int nId)>;

// At most this many replacements per expansion: a text that names its own
// token would otherwise be expanded forever.
constexpr int MAX_LANGUAGE_REPLACEMENTS = 1000;
// Expansion adds at most this many bytes; a text that names its token twice
// doubles the string with each replacement.
constexpr int MAX_LANGUAGE_GROWTH = 64 * 1024;

// Scans for '%' from the start; a "%{digits}" token whose id has a text
// ("%{}" is id 0) has every occurrence replaced by it, and the scan goes on
// one byte after that '%', so tokens brought in by a text are expanded too.
// Tokens without a text stay as written.
void ExpandLanguageTokens(CUIString& strText, const LanguageLookup& lookup);
void ExpandLanguageTokens(CUIString& strText, const IRenderResources& res);

}  // namespace Orvik
