#include "trackinfo/mpeg_header_win.h"

#include "framework/file_io_win.h"
#include "framework/wide_names_win.h"
#include "trackinfo/mpeg_audio.h"

namespace tundeck {

namespace {

class HandleBytes : public FileBytes {
public:
    explicit HandleBytes(HANDLE file) : file_(file) {}

    std::size_t ReadAt(std::int64_t offset, std::uint8_t* out, std::size_t count) override {
        LARGE_INTEGER position{};
        position.QuadPart = offset;
        DWORD read = 0;
        if (!SetFilePointerEx(file_, position, nullptr, FILE_BEGIN) ||
            !ReadFile(file_, out, static_cast<DWORD>(count), &read, nullptr)) {
            RaiseLastIoError();
        }
        return read;
    }

private:
    HANDLE file_;
};

} // namespace

MpegHeaderInfo ReadMpegHeader(const std::string& path) {
    if (path.find('\0') != std::string::npos) {
        return {};
    }
    // Other programs may go on reading the file meanwhile; one that writes it keeps us out.
    FileHandle file(OpenExistingFile(path, GENERIC_READ));
    if (!file.IsOpen()) {
        return {};
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) {
        RaiseLastIoError();
    }
    HandleBytes bytes(file.Get());
    return AnalyseMpegAudio(bytes, size.QuadPart);
}

} // namespace tundeck
