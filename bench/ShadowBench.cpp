// Drop shadow: building the generated picture around a 680 x 480 window.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "ui/window/GeneratedShadow.h"

namespace {

void BM_GeneratedShadow(benchmark::State& state) {
    int nSize = int(state.range(0)), nSharpness = int(state.range(1));
    Orvik::ShadowLook look{nSize, nSharpness, 150, 0, 0, 0xFF000000};
    std::vector<Orvik::ShadowSpan> rows(480, Orvik::ShadowSpan{0, 679});
    int cx = 680 + 2 * nSize, cy = 480 + 2 * nSize;
    std::vector<uint32_t> pixels(size_t(cx) * cy);
    for (auto _ : state) {
        std::fill(pixels.begin(), pixels.end(), 0);
        Orvik::DrawGeneratedShadow(rows, look, pixels.data(), cx, cy);
        benchmark::DoNotOptimize(pixels.data());
    }
}
BENCHMARK(BM_GeneratedShadow)
    ->Args({5, 5})
    ->Args({12, 10})
    ->Args({20, 20})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
