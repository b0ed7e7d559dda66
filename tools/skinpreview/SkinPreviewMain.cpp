// Renders the skin's image descriptors at several sizes into one PNG, for a visual check.
//
// Usage: skinpreview <skin folder> <output.png>
// Every image attribute of the skin documents (and of their Default lists)
// is drawn through the draw engine exactly as a control would draw it:
// 9-grids at three widths, other images at their own size, button texts in
// the fallback Chinese font.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi.h"
#include "platform/kernel.h"
#include "ui/markup/SkinStore.h"
#include "ui/markup/XmlMarkup.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/WindowHostUI.h"

using namespace Orvik;

namespace {

constexpr int CANVAS_WIDTH = 900;
constexpr DWORD WINDOW_COLOR = 0xFF1D202A;  // the main window's background

// One image attribute as a control of the skin declares it.
struct PreviewItem {
    std::string strDescriptor;
    std::string strLabel;  // document, tag and attribute
    std::string strText;   // the control's text, drawn over 9-grids
    int nWidth = 0;
    int nHeight = 0;
};

bool EndsWith(const std::string& s, const char* suffix) {
    size_t n = std::strlen(suffix);
    return s.size() >= n && s.compare(s.size() - n, n, suffix) == 0;
}

// Attribute pairs of a Default element's value: name="value" ...
std::vector<std::pair<std::string, std::string>> SplitAttributeList(const std::string& list) {
    std::vector<std::pair<std::string, std::string>> pairs;
    size_t pos = 0;
    while (true) {
        size_t eq = list.find("=\"", pos);
        if (eq == std::string::npos)
            break;
        size_t end = list.find('"', eq + 2);
        if (end == std::string::npos)
            break;
        size_t start = list.find_first_not_of(' ', pos);
        pairs.emplace_back(list.substr(start, eq - start), list.substr(eq + 2, end - eq - 2));
        pos = end + 1;
    }
    return pairs;
}

void AddItems(const std::vector<std::pair<std::string, std::string>>& attrs,
              const std::string& label, std::vector<PreviewItem>& items) {
    PreviewItem base;
    for (const auto& [name, value] : attrs) {
        if (name == "width")
            base.nWidth = std::atoi(value.c_str());
        else if (name == "height")
            base.nHeight = std::atoi(value.c_str());
        else if (name == "text")
            base.strText = value;
    }
    for (const auto& [name, value] : attrs) {
        if (name.find("image") == std::string::npos || value.empty() || EndsWith(value, ".gif") ||
            name == "shadowimage")
            continue;
        PreviewItem item = base;
        item.strDescriptor = value;
        item.strLabel = label + " " + name;
        items.push_back(item);
    }
}

void CollectNode(CXmlMarkupNode node, const std::string& document,
                 std::vector<PreviewItem>& items) {
    for (; node.IsValid(); node = node.GetNextSibling()) {
        std::vector<std::pair<std::string, std::string>> attrs;
        for (int i = 0; i < node.GetAttributeCount(); ++i)
            attrs.emplace_back(node.GetAttributeName(i), node.GetAttributeValue(i));
        std::string tag = node.GetTagName();
        std::string label = document + " <" + tag + ">";
        if (tag == "Default") {
            for (const auto& [name, value] : attrs)
                if (name == "value")
                    AddItems(SplitAttributeList(value), label, items);
        } else {
            AddItems(attrs, label, items);
        }
        if (node.HasChildren())
            CollectNode(node.GetFirstChild(), document, items);
    }
}

// Each descriptor once, in document order.
std::vector<PreviewItem> CollectSkin() {
    std::vector<PreviewItem> all;
    for (const char* doc :
         {"MainFrame.xml", "Page1.xml", "Page1_Item.xml", "Page2.xml", "MessageBox.xml"}) {
        CXmlMarkup markup;
        if (!markup.LoadFromFile(doc)) {
            std::fprintf(stderr, "skinpreview: %s: %s\n", doc, markup.GetLastErrorMessage());
            continue;
        }
        CollectNode(markup.GetRoot(), doc, all);
    }
    std::vector<PreviewItem> unique;
    for (const PreviewItem& item : all) {
        bool seen = false;
        for (const PreviewItem& u : unique)
            seen = seen || u.strDescriptor == item.strDescriptor;
        if (!seen)
            unique.push_back(item);
    }
    return unique;
}

HFONT MakeFont(int nHeight, bool bBold) {
    LOGFONTA lf = {};
    lf.lfHeight = -nHeight;
    lf.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(lf.lfFaceName, "微软雅黑");  // not installed: the CJK fallback draws it
    return CreateFontIndirectA(&lf);
}

void DrawLabel(HDC hDC, HFONT hFont, RECT rc, const std::string& text, DWORD dwColor,
               UINT uFormat) {
    HGDIOBJ hOld = SelectObject(hDC, hFont);
    SetBkMode(hDC, TRANSPARENT);
    SetTextColor(hDC, RGB((dwColor >> 16) & 0xFF, (dwColor >> 8) & 0xFF, dwColor & 0xFF));
    DrawTextA(hDC, text.c_str(), -1, &rc, uFormat | DT_NOPREFIX);
    SelectObject(hDC, hOld);
}

// A 9-grid: the control's own width and two others; plain images once, at
// the control's size or the image's own. A control must be large enough
// to hold its dest offsets.
std::vector<SIZE> SizesFor(const PreviewItem& item, const ImagePaintState& state) {
    const SkinImage& image = *state.pImage;
    int w = item.nWidth > 0 ? item.nWidth : image.nWidth;
    int h = item.nHeight > 0 ? item.nHeight : std::max<int>(image.nHeight, state.rcDest.bottom);
    if (item.strDescriptor.find("corner=") == std::string::npos)
        return {SIZE{w, h}};
    if (item.nWidth == 0)
        w = 90;
    if (item.nHeight == 0)
        h = std::max<int>({image.nHeight, static_cast<int>(state.rcDest.bottom), 30});
    return {SIZE{w, h}, SIZE{w * 2, h}, SIZE{w * 4, h}};
}

struct Canvas {
    HDC hDC;
    CWindowHostUI* pHost;
    HFONT hSmall;
    HFONT hText;
};

// One row: the label, then the image at each size; returns the row's height.
int DrawRow(const Canvas& c, const PreviewItem& item, int y, bool bDraw) {
    ImagePaintState probe(item.strDescriptor.c_str());
    RECT none = {0, 0, 0, 0};
    if (!CDrawEngine::DrawImageDescriptor(nullptr, c.pHost, none, none, probe))
        return 0;
    std::vector<SIZE> sizes = SizesFor(item, probe);
    int rowHeight = 0;
    for (const SIZE& s : sizes)
        rowHeight = std::max<int>(rowHeight, s.cy);
    if (bDraw) {
        DrawLabel(c.hDC, c.hSmall, {10, y, CANVAS_WIDTH - 10, y + 16},
                  item.strLabel + ":  " + item.strDescriptor, 0xFFA7A4AB,
                  DT_SINGLELINE | DT_END_ELLIPSIS);
        int x = 10;
        for (const SIZE& s : sizes) {
            RECT rc = {x, y + 18, x + s.cx, y + 18 + s.cy};
            ImagePaintState state(item.strDescriptor.c_str());
            CDrawEngine::DrawImageDescriptor(c.hDC, c.pHost, rc, rc, state);
            if (!item.strText.empty())
                DrawLabel(c.hDC, c.hText, rc, item.strText, 0xFFFFFFFF,
                          DT_SINGLELINE | DT_CENTER | DT_VCENTER);
            x += s.cx + 12;
        }
    }
    return 18 + rowHeight + 12;
}

// Draws (or, without bDraw, only measures) the whole sheet.
int DrawSheet(const Canvas& c, const std::vector<PreviewItem>& items, bool bDraw) {
    int y = 10;
    if (bDraw)
        DrawLabel(c.hDC, c.hText, {10, y, CANVAS_WIDTH - 10, y + 24},
                  "Lumora 皮肤预览：九宫格、按钮与图片（中文文字由后备字体绘制）", 0xFFFFE400,
                  DT_SINGLELINE);
    y += 34;
    for (const PreviewItem& item : items)
        y += DrawRow(c, item, y, bDraw);
    return y;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: skinpreview <skin folder> <output.png>\n");
        return 2;
    }
    CSkinStore::SetSkinPath(platform::Utf8ToAnsi(argv[1]).c_str());
    std::vector<PreviewItem> items = CollectSkin();
    CWindowHostUI host;
    HDC hMeasure = CreateCompatibleDC(nullptr);
    Canvas measure = {hMeasure, &host, nullptr, nullptr};
    int height = DrawSheet(measure, items, false);

    HBITMAP hBitmap = CreateCompatibleBitmap(hMeasure, CANVAS_WIDTH, height);
    HGDIOBJ hOld = SelectObject(hMeasure, hBitmap);
    CDrawEngine::FillColor(hMeasure, {0, 0, CANVAS_WIDTH, height}, WINDOW_COLOR);
    Canvas canvas = {hMeasure, &host, MakeFont(12, false), MakeFont(14, false)};
    DrawSheet(canvas, items, true);
    bool saved = platform::SaveDCPng(hMeasure, argv[2]);
    SelectObject(hMeasure, hOld);
    DeleteObject(canvas.hSmall);
    DeleteObject(canvas.hText);
    DeleteObject(hBitmap);
    DeleteDC(hMeasure);
    std::printf("%zu descriptors, %d x %d -> %s\n", items.size(), CANVAS_WIDTH, height, argv[2]);
    return saved ? 0 : 1;
}
