#include "trackinfo/id3_tag_win.h"

#include "framework/error.h"
#include "framework/file_io_win.h"

#include <windows.h>

namespace tundeck {

namespace {

FileHandle OpenTrack(const std::string& path, DWORD access) {
    if (!FileExists(path)) {
        return {};
    }
    return FileHandle(CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Moves to the tag's place; a file too short to hold one fails as a seek before its start.
void SeekToTag(const FileHandle& file) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) {
        RaiseLastIoError();
    }
    if (size.QuadPart < static_cast<LONGLONG>(sizeof(TagBuffer))) {
        RaiseIoError(ERROR_NEGATIVE_SEEK);
    }
    LARGE_INTEGER position{};
    position.QuadPart = size.QuadPart - static_cast<LONGLONG>(sizeof(TagBuffer));
    if (!SetFilePointerEx(file.Get(), position, nullptr, FILE_BEGIN)) {
        RaiseLastIoError();
    }
}

void ReadExactly(const FileHandle& file, void* bytes, DWORD count) {
    DWORD read = 0;
    if (!ReadFile(file.Get(), bytes, count, &read, nullptr)) {
        RaiseLastIoError();
    }
    if (read < count) {
        RaiseIoError(IoReadBeyondEnd);
    }
}

void WriteExactly(const FileHandle& file, const void* bytes, DWORD count) {
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes, count, &written, nullptr)) {
        RaiseLastIoError();
    }
    if (written < count) {
        RaiseIoError(IoDiskFull);
    }
}

} // namespace

std::optional<TagBuffer> ReadTagBlock(const std::string& path) {
    const FileHandle file = OpenTrack(path, GENERIC_READ);
    if (!file.IsOpen()) {
        return std::nullopt;
    }
    SeekToTag(file);
    TagBuffer tag{};
    ReadExactly(file, tag.data(), static_cast<DWORD>(tag.size()));
    return tag;
}

TagWrite WriteTagBlock(const std::string& path, const TagBuffer& tag) {
    if (!FileExists(path)) {
        return TagWrite::NoFile;
    }
    const FileHandle file = OpenTrack(path, GENERIC_READ | GENERIC_WRITE);
    if (!file.IsOpen()) {
        return TagWrite::NoAccess;
    }
    SeekToTag(file);
    TagBuffer existing{};
    ReadExactly(file, existing.data(), 3);
    if (IsTag(existing)) {
        WriteExactly(file, tag.data() + 3, static_cast<DWORD>(tag.size() - 3)); // its "TAG" stays
        return TagWrite::Written;
    }
    LARGE_INTEGER end{};
    if (!SetFilePointerEx(file.Get(), end, nullptr, FILE_END)) {
        RaiseLastIoError();
    }
    WriteExactly(file, tag.data(), static_cast<DWORD>(tag.size()));
    return TagWrite::Written;
}

} // namespace tundeck
