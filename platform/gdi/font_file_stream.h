// Opening a font face that reads its file on demand instead of mapping it whole.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>

namespace gdi {

// A face whose tables and glyphs are read from the file as FreeType asks for them: a mapped CJK
// font leaves megabytes resident that the few glyphs drawn never use. Null when the file cannot
// be opened or is no font; the face owns its file from then on.
FT_Face OpenFaceByReading(FT_Library library, const std::string& path, int index);

}  // namespace gdi
