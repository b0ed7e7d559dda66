// Code page 936 beyond the GBK converter: user-defined areas and best fit.
#include "platform/kernel/codepage_936.h"

namespace platform::kernel {

namespace {

// The three user-defined areas, in the order their characters follow each
// other from U+E000: rows of 94 trail bytes A1..FE, then rows of 96 trail
// bytes 40..7E and 80..A0.
struct Area {
    BYTE firstLead;
    BYTE lastLead;
    bool lowTrails;
    WCHAR firstChar;
};
constexpr Area AREAS[] = {
    {0xAA, 0xAF, false, 0xE000},
    {0xF8, 0xFE, false, 0xE234},
    {0xA1, 0xA7, true, 0xE4C6},
};
constexpr WCHAR LAST_USER_DEFINED = 0xE765;

int RowLength(const Area& area) {
    return area.lowTrails ? 96 : 94;
}

// Position of a trail byte in its row, or -1.
int TrailIndex(const Area& area, BYTE trail) {
    if (!area.lowTrails)
        return trail >= 0xA1 && trail <= 0xFE ? trail - 0xA1 : -1;
    if (trail >= 0x40 && trail <= 0x7E)
        return trail - 0x40;
    return trail >= 0x80 && trail <= 0xA0 ? trail - 0x41 : -1;
}

BYTE TrailAt(const Area& area, int index) {
    if (!area.lowTrails)
        return BYTE(0xA1 + index);
    return BYTE(index < 63 ? 0x40 + index : 0x41 + index);
}

// Latin-1 letters U+00C0..U+00FF reduced to their base letter ('*': none).
constexpr char LATIN1_LETTERS[] =
    "AAAAAA*CEEEEIIIIDNOOOOO*OUUUUY**aaaaaa*ceeeeiiii*nooooo*ouuuuy*y";

struct Fit {
    WCHAR from;
    WCHAR to;
};
// Signs of Latin-1 and their nearest forms in GBK.
constexpr Fit SIGNS[] = {
    {0x00A0, u' '}, {0x00A1, u'!'},   {0x00A2, 0xFFE0}, {0x00A3, 0xFFE1}, {0x00A5, 0xFFE5},
    {0x00A6, u'|'}, {0x00AA, u'a'},   {0x00AD, u'-'},   {0x00AF, 0xFFE3}, {0x00B2, u'2'},
    {0x00B3, u'3'}, {0x00B5, 0x03BC}, {0x00B9, u'1'},   {0x00BA, u'o'},
};

}  // namespace

WCHAR UserDefinedToPrivateUse(BYTE lead, BYTE trail) {
    for (const Area& area : AREAS) {
        int index = TrailIndex(area, trail);
        if (lead >= area.firstLead && lead <= area.lastLead && index >= 0)
            return WCHAR(area.firstChar + (lead - area.firstLead) * RowLength(area) + index);
    }
    return 0;
}

WORD PrivateUseToUserDefined(WCHAR ch) {
    if (ch < AREAS[0].firstChar || ch > LAST_USER_DEFINED)
        return 0;
    for (const Area& area : AREAS) {
        int offset = ch - area.firstChar;
        int rows = area.lastLead - area.firstLead + 1;
        if (offset >= 0 && offset < rows * RowLength(area)) {
            BYTE lead = BYTE(area.firstLead + offset / RowLength(area));
            return WORD(lead << 8 | TrailAt(area, offset % RowLength(area)));
        }
    }
    return 0;
}

WCHAR BestFitFor(WCHAR ch) {
    if (ch >= 0x00C0 && ch <= 0x00FF) {
        char base = LATIN1_LETTERS[ch - 0x00C0];
        return base != '*' ? WCHAR(base) : 0;
    }
    for (const Fit& fit : SIGNS) {
        if (fit.from == ch)
            return fit.to;
    }
    return 0;
}

}  // namespace platform::kernel
