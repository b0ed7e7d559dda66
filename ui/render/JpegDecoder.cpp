// JPEG through libjpeg-turbo, straight into RGBA rows.
// jpeglib.h needs size_t and FILE declared first.
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>
// jerror.h after jpeglib.h: it names the warnings.
#include <jerror.h>

#include "ui/render/ImageBudget.h"
#include "ui/render/ImageDecoder.h"

namespace Orvik {

namespace {

// A progressive file may repeat scans without end, each one a full pass over
// the coefficients; real encoders write about ten.
constexpr int JPEG_MAX_SCANS = 256;

struct JpegErrorTrap {
    jpeg_error_mgr mgr;
    jmp_buf jump;
};

void OnError(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<JpegErrorTrap*>(cinfo->err)->jump, 1);
}
// Warnings stay quiet, but a file that ends early would decode with the rest
// grey: it is refused as corrupted.
void OnMessage(j_common_ptr cinfo, int nLevel) {
    if (nLevel < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        OnError(cinfo);
}

void OnProgress(j_common_ptr cinfo) {
    auto* dinfo = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (dinfo->input_scan_number > JPEG_MAX_SCANS)
        OnError(cinfo);
}

// Everything between setjmp and a libjpeg error is plain data, so the jump
// skips no destructor; out lives in the caller.
bool CreateDecompressor(jpeg_decompress_struct& cinfo, JpegErrorTrap& trap) {
    if (setjmp(trap.jump))
        return false;
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = IMAGE_MAX_DECODER_BYTES;
    return true;
}

bool DecodeRows(jpeg_decompress_struct& cinfo, JpegErrorTrap& trap, const uint8_t* pData,
                size_t nSize, RgbaImage& out) {
    if (setjmp(trap.jump))
        return false;
    jpeg_mem_src(&cinfo, pData, static_cast<unsigned long>(nSize));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK)
        return false;
    if (!IsWithinImageBudget(cinfo.image_width, cinfo.image_height))
        return false;
    cinfo.out_color_space = JCS_EXT_RGBA;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 4)
        return false;
    out.Allocate(int(cinfo.output_width), int(cinfo.output_height));
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out.pixels.data() + size_t(cinfo.output_scanline) * cinfo.output_width * 4;
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1)
            return false;
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

}  // namespace

bool DecodeJpeg(const uint8_t* pData, size_t nSize, RgbaImage& out) {
    if (pData == nullptr || nSize == 0)
        return false;
    jpeg_decompress_struct cinfo = {};
    JpegErrorTrap trap = {};
    cinfo.err = jpeg_std_error(&trap.mgr);
    trap.mgr.error_exit = OnError;
    trap.mgr.emit_message = OnMessage;
    jpeg_progress_mgr progress = {};
    progress.progress_monitor = OnProgress;
    bool bOk = CreateDecompressor(cinfo, trap);
    if (bOk) {
        cinfo.progress = &progress;
        bOk = DecodeRows(cinfo, trap, pData, nSize, out);
    }
    jpeg_destroy_decompress(&cinfo);
    if (!bOk)
        out = RgbaImage{};
    return bOk;
}

}  // namespace Orvik
