// Premultiplied source-over of pixel rows with constant alpha: our own loops, picked per CPU.
#pragma once

#include <cstdint>

namespace gdi {

// Where AlphaBlend's unscaled rows go. Pixman is the general composite that
// stays in charge of scaling and of any path this CPU cannot run.
enum class BlendPath { Pixman, Scalar, Sse41, Avx2, Avx512 };

// dst = src * ca / 255 + dst * (255 - srcA * ca / 255) / 255 per channel,
// each product rounded and the sum saturated exactly as pixman does, so
// results match its composite bit for bit. srcOr is or-ed into every source
// pixel first (0xFF000000 reads the source as opaque).
using BlendRowFn = void (*)(uint32_t* dst, const uint32_t* src, int count, uint32_t constAlpha,
                            uint32_t srcOr);

void BlendRowScalar(uint32_t* dst, const uint32_t* src, int count, uint32_t constAlpha,
                    uint32_t srcOr);
void BlendRowSse41(uint32_t* dst, const uint32_t* src, int count, uint32_t constAlpha,
                   uint32_t srcOr);
void BlendRowAvx2(uint32_t* dst, const uint32_t* src, int count, uint32_t constAlpha,
                  uint32_t srcOr);
void BlendRowAvx512(uint32_t* dst, const uint32_t* src, int count, uint32_t constAlpha,
                    uint32_t srcOr);

bool IsBlendPathAvailable(BlendPath path);
// The fastest vector loop this CPU runs (pixman without one), unless a path
// was set.
BlendPath ActiveBlendPath();
// Tests and measurements force a path; false (nothing changed) when this CPU
// cannot run it.
bool SetBlendPath(BlendPath path);
// The row loop of the active path; null when pixman does the work.
BlendRowFn ActiveBlendRow();

}  // namespace gdi
