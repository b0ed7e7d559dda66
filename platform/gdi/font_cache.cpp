// Face resolution: the requested family when installed, else the best CJK sans-serif face;
// answers, faces and instances are kept for the life of the process.
#include "platform/gdi/font_cache.h"

#include <fontconfig/fontconfig.h>
#include <strings.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/gdi/font_file_stream.h"
#include "platform/kernel.h"

namespace gdi {

namespace {

constexpr int DEFAULT_PIXEL_SIZE = 12;
constexpr int MAX_PIXEL_SIZE = 1024;
constexpr FcChar32 PROBE_CJK_CHAR = 0x4E2D;  // a common Chinese ideograph

FcPattern* MakePattern(const char* family, bool bold, bool italic) {
    FcPattern* pat = FcPatternCreate();
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcPatternAddInteger(pat, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pat, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddString(pat, FC_LANG, reinterpret_cast<const FcChar8*>("zh-cn"));
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    return pat;
}

bool HasFamily(FcPattern* font, const std::string& family) {
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i)
        if (strcasecmp(reinterpret_cast<const char*>(name), family.c_str()) == 0)
            return true;
    return false;
}

bool CoversCjk(FcPattern* font) {
    FcCharSet* cs = nullptr;
    return FcPatternGetCharSet(font, FC_CHARSET, 0, &cs) == FcResultMatch &&
           FcCharSetHasChar(cs, PROBE_CJK_CHAR);
}

bool ReadFile(FcPattern* font, std::string& path, int& index) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch)
        return false;
    path = reinterpret_cast<const char*>(file);
    if (FcPatternGetInteger(font, FC_INDEX, 0, &index) != FcResultMatch)
        index = 0;
    return true;
}

// lfHeight < 0 is the character (em) height; > 0 the cell height, which is
// turned into an em size through the face's ascent plus descent.
int PixelSizeFor(FT_Face face, LONG lfHeight) {
    if (lfHeight < 0)
        return std::min<int>(MAX_PIXEL_SIZE, -lfHeight);
    if (lfHeight == 0)
        return DEFAULT_PIXEL_SIZE;
    int cell = face->ascender - face->descender;
    if (cell <= 0)
        return std::min<int>(MAX_PIXEL_SIZE, lfHeight);
    double em = static_cast<double>(lfHeight) * face->units_per_EM / cell;
    return std::clamp(static_cast<int>(std::lround(em)), 1, MAX_PIXEL_SIZE);
}

}  // namespace

// Never destroyed: fonts selected into DCs that outlive static destruction
// (a window host torn down at exit) must still find their faces.
CFontCache& CFontCache::Get() {
    static CFontCache* cache = new CFontCache;
    return *cache;
}

CFontCache::CFontCache() {
    FcInit();
    // fontconfig keeps unreachable blocks until it is finalised; a later use
    // simply initialises it again.
    std::atexit([] { FcFini(); });
    if (FT_Init_FreeType(&m_library) != 0)
        m_library = nullptr;
}

bool CFontCache::MatchFamily(const std::string& family, bool bold, bool italic, FaceFile& out) {
    if (family.empty())
        return false;
    FcPattern* pat = MakePattern(family.c_str(), bold, italic);
    FcResult result;
    FcPattern* font = FcFontMatch(nullptr, pat, &result);
    bool ok = font && HasFamily(font, family) && ReadFile(font, out.path, out.index);
    if (font)
        FcPatternDestroy(font);
    FcPatternDestroy(pat);
    return ok;
}

bool CFontCache::MatchCjkFallback(bool bold, bool italic, FaceFile& out) {
    FcPattern* pat = MakePattern("sans-serif", bold, italic);
    FcResult result;
    FcFontSet* set = FcFontSort(nullptr, pat, FcFalse, nullptr, &result);
    bool ok = false;
    for (int pass = 0; set && pass < 2 && !ok; ++pass)
        for (int i = 0; i < set->nfont && !ok; ++i) {
            // First pass: the best face that writes Chinese; second: any face.
            if (pass == 0 && !CoversCjk(set->fonts[i]))
                continue;
            FcPattern* font = FcFontRenderPrepare(nullptr, pat, set->fonts[i]);
            ok = font && ReadFile(font, out.path, out.index);
            if (font)
                FcPatternDestroy(font);
        }
    if (set)
        FcFontSetDestroy(set);
    FcPatternDestroy(pat);
    return ok;
}

const std::optional<CFontCache::FaceFile>& CFontCache::FindFamily(const std::string& family,
                                                                  bool bold, bool italic) {
    std::string key = "family|" + family + "|" + std::to_string(bold) + std::to_string(italic);
    auto it = m_mapMatches.find(key);
    if (it != m_mapMatches.end())
        return it->second;
    FaceFile file;
    bool ok = MatchFamily(family, bold, italic, file);
    return m_mapMatches.emplace(key, ok ? std::optional(file) : std::nullopt).first->second;
}

const std::optional<CFontCache::FaceFile>& CFontCache::FindCjkFallback(bool bold, bool italic) {
    std::string key = "cjk|" + std::to_string(bold) + std::to_string(italic);
    auto it = m_mapMatches.find(key);
    if (it != m_mapMatches.end())
        return it->second;
    FaceFile file;
    bool ok = MatchCjkFallback(bold, italic, file);
    return m_mapMatches.emplace(key, ok ? std::optional(file) : std::nullopt).first->second;
}

FT_Face CFontCache::OpenFace(const FaceFile& file) {
    std::string key = file.path + "|" + std::to_string(file.index);
    auto it = m_mapFaces.find(key);
    if (it != m_mapFaces.end())
        return it->second;
    FT_Face face = nullptr;
    if (m_library)
        face = OpenFaceByReading(m_library, file.path, file.index);
    // A file that failed stays failed: no second attempt per font created.
    m_mapFaces.emplace(key, face);
    return face;
}

CFontInstance* CFontCache::Instantiate(const FaceFile& file, LONG lfHeight, bool bold,
                                       bool italic) {
    FT_Face face = OpenFace(file);
    if (!face)
        return nullptr;
    int px = PixelSizeFor(face, lfHeight);
    // The face's own style decides: fontconfig reports the requested weight and
    // slant for faces it would synthesise.
    bool fakeBold = bold && !(face->style_flags & FT_STYLE_FLAG_BOLD);
    bool fakeItalic = italic && !(face->style_flags & FT_STYLE_FLAG_ITALIC);
    std::string key = file.path + "|" + std::to_string(file.index) + "|" + std::to_string(px) +
                      "|" + std::to_string(fakeBold) + std::to_string(fakeItalic);
    auto it = m_mapInstances.find(key);
    if (it != m_mapInstances.end())
        return it->second.get();
    auto inst = CFontInstance::Create(face, px, fakeBold, fakeItalic);
    if (!inst)
        return nullptr;
    return m_mapInstances.emplace(key, std::move(inst)).first->second.get();
}

CFontInstance* CFontCache::Resolve(const LOGFONTA& lf) {
    auto lock = Lock();
    char face[LF_FACESIZE + 1] = {0};
    std::copy(lf.lfFaceName, lf.lfFaceName + LF_FACESIZE, face);
    std::string family = platform::AnsiToUtf8(face);
    bool bold = lf.lfWeight >= FW_SEMIBOLD;
    bool italic = lf.lfItalic != 0;

    const std::optional<FaceFile>& fallbackFile = FindCjkFallback(bold, italic);
    const std::optional<FaceFile>& file = FindFamily(family, bold, italic);
    if (!file && !fallbackFile)
        return nullptr;
    CFontInstance* fallback =
        fallbackFile ? Instantiate(*fallbackFile, lf.lfHeight, bold, italic) : nullptr;
    if (!file)
        return fallback;
    CFontInstance* inst = Instantiate(*file, lf.lfHeight, bold, italic);
    if (!inst)
        return fallback;
    if (inst != fallback)
        inst->SetFallback(fallback);
    return inst;
}

}  // namespace gdi
