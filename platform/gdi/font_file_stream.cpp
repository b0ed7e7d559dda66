// Opening a font face that reads its file on demand instead of mapping it whole.
#include "platform/gdi/font_file_stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gdi {

namespace {

// FreeType's read callback; a count of 0 is a seek, which pread makes unnecessary.
unsigned long ReadAt(FT_Stream stream, unsigned long offset, unsigned char* buffer,
                     unsigned long count) {
    if (count == 0)
        return offset <= stream->size ? 0 : 1;
    int fd = int(stream->descriptor.value);
    unsigned long done = 0;
    while (done < count) {
        ssize_t got = pread(fd, buffer + done, count - done, off_t(offset + done));
        if (got <= 0)
            break;
        done += static_cast<unsigned long>(got);
    }
    return done;
}

void CloseStream(FT_Stream stream) {
    close(int(stream->descriptor.value));
    delete stream;
}

}  // namespace

FT_Face OpenFaceByReading(FT_Library library, const std::string& path, int index) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || fstat(fd, &info) != 0 || info.st_size <= 0) {
        if (fd >= 0)
            close(fd);
        return nullptr;
    }
    auto* stream = new FT_StreamRec{};
    stream->descriptor.value = fd;
    stream->size = static_cast<unsigned long>(info.st_size);
    stream->read = ReadAt;
    stream->close = CloseStream;
    FT_Open_Args args{};
    args.flags = FT_OPEN_STREAM;
    args.stream = stream;
    FT_Face face = nullptr;
    // On failure FreeType has already closed the stream, which frees it.
    if (FT_Open_Face(library, &args, index, &face) != 0)
        return nullptr;
    return face;
}

}  // namespace gdi
