#include "trackinfo/mpeg_header_win.h"

#include "framework/error.h"
#include "framework/file_io_win.h"

namespace tundeck {

MpegHeaderInfo ReadMpegHeader(const std::string& path) {
    if (path.find('\0') != std::string::npos) {
        return {};
    }
    // Other programs may go on reading the file meanwhile; one that writes it keeps us out.
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        return {};
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) {
        RaiseLastIoError();
    }
    MpegHeaderBytes bytes{};
    DWORD read = 0;
    if (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
        RaiseLastIoError();
    }
    if (read < bytes.size()) {
        RaiseIoError(IoReadBeyondEnd);
    }
    return DecodeMpegHeader(bytes, size.QuadPart);
}

} // namespace tundeck
