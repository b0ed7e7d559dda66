// Reading one image from the in-memory skin archive, as every window does at load.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>
#include <zip.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "ui/markup/SkinStore.h"

namespace {

constexpr int IMAGE_COUNT = 52;  // the launcher's archive holds 52 images

std::string ImageName(int i) {
    return "image_" + std::to_string(i) + ".png";
}

// Image-like bytes: a compressible header and noisy pixels, 2 to 24 KiB.
std::string ImageBytes(int i) {
    std::mt19937 rng{static_cast<unsigned>(i)};
    size_t nSize = 2048 + size_t(i % 12) * 2048;
    std::string bytes = "\x89PNG\r\n\x1a\n";
    while (bytes.size() < nSize)
        bytes += char(rng() % 16 == 0 ? rng() : 0x40);
    return bytes;
}

// An archive like the launcher's: five documents, then the images, deflated.
std::string BuildArchive() {
    std::string strPath = (std::filesystem::temp_directory_path() / "lumora-bench-XXXXXX").string();
    int fd = mkstemp(strPath.data());
    if (fd < 0)
        return std::string();
    close(fd);
    zipFile hZip = zipOpen64(strPath.c_str(), APPEND_STATUS_CREATE);
    auto add = [&](const std::string& name, const std::string& data) {
        zip_fileinfo info = {};
        zipOpenNewFileInZip(hZip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                            Z_DEFAULT_COMPRESSION);
        zipWriteInFileInZip(hZip, data.data(), unsigned(data.size()));
        zipCloseFileInZip(hZip);
    };
    for (const char* doc :
         {"MainFrame.xml", "Page1.xml", "Page1_Item.xml", "Page2.xml", "MessageBox.xml"})
        add(doc, std::string(4000, ' ') + "<Window/>");
    for (int i = 0; i < IMAGE_COUNT; i++)
        add(ImageName(i), ImageBytes(i));
    zipClose(hZip, nullptr);
    std::ifstream in(strPath, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove(strPath);
    return bytes;
}

const std::string& Archive() {
    static const std::string bytes = BuildArchive();  // the store keeps a pointer to it
    return bytes;
}

// Argument: the image's position in the archive's directory (lookup is linear).
void BM_ReadImageFromMemoryArchive(benchmark::State& state) {
    const std::string& bytes = Archive();
    Orvik::CSkinStore::OpenArchiveMemory(reinterpret_cast<const BYTE*>(bytes.data()),
                                         DWORD(bytes.size()));
    std::string strName = ImageName(int(state.range(0)));
    int64_t nBytes = 0;
    for (auto _ : state) {
        Orvik::CSkinBuffer data;
        if (!Orvik::CSkinStore::ReadImageData(strName.c_str(), nullptr, data)) {
            state.SkipWithError("image not found");
            break;
        }
        nBytes += data.GetSize();
        benchmark::DoNotOptimize(data.GetData());
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(nBytes);
}
BENCHMARK(BM_ReadImageFromMemoryArchive)->Arg(0)->Arg(IMAGE_COUNT / 2)->Arg(IMAGE_COUNT - 1);

}  // namespace
