#include "platform/font_face_file.h"

#include <cstdio>

#include "platform/path_text.h"

namespace kv::platform {
namespace {

// The face reads from a stream over a file the game opened itself.
unsigned long readStream(FT_Stream stream, unsigned long offset, unsigned char* buffer, unsigned long count) {
    auto* file = static_cast<std::FILE*>(stream->descriptor.pointer);
    const bool moved = _fseeki64(file, static_cast<long long>(offset), SEEK_SET) == 0;
    // A count of 0 asks only to seek, and 0 then means success.
    if (count == 0) return moved ? 0 : 1;
    return moved ? (unsigned long)std::fread(buffer, 1, count, file) : 0;
}

void closeStream(FT_Stream stream) {
    std::fclose(static_cast<std::FILE*>(stream->descriptor.pointer));
    delete stream;
}

}  // namespace

FT_Error openFontFace(FT_Library library, const std::string& path, FT_Long faceIndex, FT_Face* face) {
    std::FILE* file = openFile(pathFromText(path), "rb");
    if (!file) return FT_Err_Cannot_Open_Resource;
    const long long size = _fseeki64(file, 0, SEEK_END) == 0 ? _ftelli64(file) : -1;
    if (size <= 0) {
        std::fclose(file);
        return FT_Err_Cannot_Open_Stream;
    }
    // FreeType calls closeStream when the face is done with, and when the
    // face fails to open, so the file and the stream are freed either way.
    auto* stream = new FT_StreamRec{};
    stream->size = (unsigned long)size;
    stream->descriptor.pointer = file;
    stream->read = readStream;
    stream->close = closeStream;
    FT_Open_Args args{};
    args.flags = FT_OPEN_STREAM;
    args.stream = stream;
    return FT_Open_Face(library, &args, faceIndex, face);
}

}  // namespace kv::platform
