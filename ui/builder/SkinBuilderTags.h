// The tag table of the skin builder: which control class a tag makes.
#pragma once

namespace Orvik {

class CControlUI;

// A new control for a tag of the table, or null for a tag it does not hold.
// Tags compare ignoring case, except those marked exact.
CControlUI* CreateControlForTag(const char* pstrTag);

}  // namespace Orvik
