// The font object behind an HFONT: its description and, once used, its rendered face.
#pragma once

#include "platform/gdi/gdi_object.h"

namespace gdi {

class CFontInstance;

class CGdiFont : public CGdiObject {
public:
    static constexpr ObjKind KIND = ObjKind::Font;
    explicit CGdiFont(const LOGFONTA& lf) : CGdiObject(KIND), m_logFont(lf) {}

    const LOGFONTA& LogFont() const { return m_logFont; }
    // Resolved on first use and shared with every font of the same look.
    CFontInstance* Instance();

private:
    LOGFONTA m_logFont;
    CFontInstance* m_pInstance = nullptr;
};

}  // namespace gdi
