// Decoding the skin's PNGs and the simulator's QR JPEG: the draw engine's decoders against
// stb_image.
#include <benchmark/benchmark.h>
#include <stb/stb_image.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/sim/SimAssets.h"
#include "ui/render/ImageDecoder.h"

namespace {

using Bytes = std::vector<uint8_t>;

const std::vector<Bytes>& SkinPngs() {
    static const std::vector<Bytes> s_files = [] {
        std::vector<Bytes> files;
        for (const auto& entry : std::filesystem::directory_iterator(LUMORA_SKIN_DIR)) {
            if (entry.path().extension() != ".png")
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            files.emplace_back(std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>());
        }
        return files;
    }();
    return s_files;
}

const Bytes& QrJpeg() {
    static const Bytes s_jpeg = [] {
        std::string jpeg = SimAssets::Make(LUMORA_MOBILE_URL, LUMORA_MOBILE_GJ_URL).qrJpeg;
        return Bytes(jpeg.begin(), jpeg.end());
    }();
    return s_jpeg;
}

size_t DecodeWithStb(const Bytes& file) {
    int w = 0, h = 0, n = 0;
    stbi_uc* px = stbi_load_from_memory(file.data(), int(file.size()), &w, &h, &n, 4);
    stbi_image_free(px);
    return size_t(w) * h;
}

size_t DecodeWithEngine(const Bytes& file) {
    Orvik::RgbaImage image;
    Orvik::DecodeImageData(file.data(), file.size(), image);
    return image.pixels.size() / 4;
}

// Every skin PNG once per iteration; the counter is decoded pixels per second.
template <size_t (*Decode)(const Bytes&)>
void BM_SkinPngs(benchmark::State& state) {
    size_t pixels = 0;
    for (auto _ : state)
        for (const Bytes& file : SkinPngs())
            pixels += Decode(file);
    state.counters["pixels/s"] = benchmark::Counter(double(pixels), benchmark::Counter::kIsRate);
    state.counters["files"] = double(SkinPngs().size());
}

template <size_t (*Decode)(const Bytes&)>
void BM_QrJpeg(benchmark::State& state) {
    size_t pixels = 0;
    for (auto _ : state)
        pixels += Decode(QrJpeg());
    state.counters["pixels/s"] = benchmark::Counter(double(pixels), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(BM_SkinPngs<DecodeWithEngine>)->Name("SkinPngs/libpng")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SkinPngs<DecodeWithStb>)->Name("SkinPngs/stb_image")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QrJpeg<DecodeWithEngine>)->Name("QrJpeg/libjpeg-turbo")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QrJpeg<DecodeWithStb>)->Name("QrJpeg/stb_image")->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
