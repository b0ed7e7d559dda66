// Finds the face for a font description (fontconfig, once per description), opens each font file
// once and keeps one instance per face, size and style.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/gdi.h"
#include "platform/gdi/font_instance.h"

namespace gdi {

class CFontCache {
public:
    static CFontCache& Get();

    // Glyph caches are shared: hold this while measuring or drawing text.
    std::unique_lock<std::recursive_mutex> Lock() {
        return std::unique_lock<std::recursive_mutex>(m_lock);
    }
    // Null only when no usable font is installed at all.
    CFontInstance* Resolve(const LOGFONTA& lf);

private:
    struct FaceFile {
        std::string path;
        int index = 0;
    };

    CFontCache();
    bool MatchFamily(const std::string& family, bool bold, bool italic, FaceFile& out);
    bool MatchCjkFallback(bool bold, bool italic, FaceFile& out);
    // fontconfig's answers, asked once per family and style.
    const std::optional<FaceFile>& FindFamily(const std::string& family, bool bold, bool italic);
    const std::optional<FaceFile>& FindCjkFallback(bool bold, bool italic);
    // One FreeType face per file and index, shared by every size; null when
    // the file cannot be opened.
    FT_Face OpenFace(const FaceFile& file);
    CFontInstance* Instantiate(const FaceFile& file, LONG lfHeight, bool bold, bool italic);

    std::recursive_mutex m_lock;
    FT_Library m_library = nullptr;
    std::map<std::string, std::optional<FaceFile>> m_mapMatches;
    std::map<std::string, FT_Face> m_mapFaces;
    std::map<std::string, std::unique_ptr<CFontInstance>> m_mapInstances;
};

}  // namespace gdi
