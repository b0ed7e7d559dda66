// Parse speed of skin documents: the launcher's own when present, else generated ones.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ui/markup/XmlMarkup.h"

namespace {

// A main-window-like document: declaration, fonts, defaults with entities,
// nested layouts and Chinese texts (UTF-8 bytes).
std::string GenerateSkinDocument(int nRows) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
        "<Window size=\"680,480\" caption=\"0,0,0,40\" sizebox=\"5,5,5,5\" roundcorner=\"4,4\" "
        "showshadow=\"true\" shadowimage=\"shadow.png\" shadowcorner=\"18,17,18,23\">\n"
        "  <Font id=\"0\" name=\"\xE5\xBE\xAE\xE8\xBD\xAF\xE9\x9B\x85\xE9\xBB\x91\" size=\"12\" "
        "default=\"true\" shared=\"true\"/>\n"
        "  <Default shared=\"true\" name=\"VScrollBar\" value=\"thumbnormalimage=&quot;"
        "file='scroll_thumb_normal.png' corner='2,2,2,2'&quot; showbutton1=&quot;false&quot;\"/>\n"
        "  <!-- the client area -->\n"
        "  <VerticalLayout name=\"mainframe_layout\" bkcolor=\"#FF1D202A\" inset=\"8,8,8,8\">\n";
    for (int i = 0; i < nRows; i++) {
        std::string n = std::to_string(i);
        xml += "    <HorizontalLayout name=\"row_" + n +
               "\" height=\"36\" padding=\"0,4,0,0\">\n"
               "      <Label name=\"line_" +
               n + "\" text=\"\xE7\xBA\xBF\xE8\xB7\xAF " + n +
               "\" width=\"120\" textcolor=\"#FFA7A4AB\" font=\"2\"/>\n"
               "      <Progress name=\"bar_" +
               n +
               "\" width=\"200\" height=\"6\" bkimage=\"file='bar_bk.png' corner='3,3,3,3'\"/>\n"
               "      <Button name=\"go_" +
               n +
               "\" text=\"&lt;\xE8\xBF\x9B\xE5\x85\xA5&gt;\" normalimage=\"btn_normal.png\" "
               "hotimage=\"btn_hot.png\"/>\n"
               "    </HorizontalLayout>\n";
    }
    xml += "  </VerticalLayout>\n</Window>\n";
    return xml;
}

void ParseDocument(benchmark::State& state, const std::string& bytes) {
    auto pBytes = reinterpret_cast<const BYTE*>(bytes.data());
    for (auto _ : state) {
        Orvik::CXmlMarkup doc;
        bool bOk = doc.LoadFromMemory(pBytes, DWORD(bytes.size()), Orvik::MarkupEncoding::Utf8);
        benchmark::DoNotOptimize(bOk);
        if (!bOk)
            state.SkipWithError(doc.GetLastErrorMessage());
    }
    state.SetItemsProcessed(state.iterations());  // documents per second
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
    state.counters["bytes"] = double(bytes.size());
}

// The launcher's skin documents in the source tree, when they are there.
std::vector<std::filesystem::path> SkinDocuments() {
    std::vector<std::filesystem::path> paths;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(LUMORA_SKIN_DIR, ec)) {
        if (entry.path().extension() == ".xml")
            paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void RegisterDocuments() {
    for (const auto& path : SkinDocuments()) {
        std::string bytes = ReadAll(path);
        benchmark::RegisterBenchmark(
            ("BM_ParseSkin/" + path.filename().string()).c_str(),
            [bytes](benchmark::State& state) { ParseDocument(state, bytes); });
    }
    for (int nRows : {3, 40, 1000}) {
        std::string bytes = GenerateSkinDocument(nRows);
        benchmark::RegisterBenchmark(
            ("BM_ParseGenerated/rows:" + std::to_string(nRows)).c_str(),
            [bytes](benchmark::State& state) { ParseDocument(state, bytes); });
    }
}

}  // namespace

int main(int argc, char** argv) {
    RegisterDocuments();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
