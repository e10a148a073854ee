#include "framework/file_io_win.h"

#include "framework/error.h"
#include "framework/wide_names_win.h"

#include <algorithm>
#include <vector>

namespace tundeck {

namespace {

bool HasNul(const std::string& path) {
    return path.find('\0') != std::string::npos;
}

unsigned IoCodeOf(DWORD error) {
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return IoDiskFull;
    case ERROR_WRITE_PROTECT: // a read-only volume refuses as a read-only folder does
        return IoAccessDenied;
    default:
        return error;
    }
}

FileHandle OpenForWriting(const std::string& path) {
    if (HasNul(path)) {
        RaiseIoError(3);
    }
    FileHandle file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        RaiseLastIoError();
    }
    return file;
}

void WriteAll(const FileHandle& file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file.Get(), bytes.data() + done, chunk, &written, nullptr)) {
            RaiseLastIoError();
        }
        if (written == 0) {
            RaiseIoError(IoDiskFull);
        }
        done += written;
    }
}

} // namespace

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = other.Release();
    }
    return *this;
}

HANDLE FileHandle::Release() {
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return handle;
}

void FileHandle::Close() {
    if (IsOpen()) {
        CloseHandle(Release());
    }
}

bool FileExists(const std::string& path) {
    if (path.empty() || HasNul(path)) {
        return false;
    }
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DirectoryExists(const std::string& path) {
    if (path.empty() || HasNul(path)) {
        return false;
    }
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void RaiseIoErrorFor(DWORD error) {
    RaiseIoError(IoCodeOf(error));
}

void RaiseLastIoError() {
    RaiseIoErrorFor(GetLastError());
}

PartialRead ReadFileUntilError(const std::string& path) {
    if (HasNul(path)) {
        RaiseIoError(IoFileNotFound);
    }
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen()) {
        RaiseLastIoError();
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) {
        RaiseLastIoError();
    }
    // Blocks small enough that a failing read loses little of what came before it.
    constexpr std::size_t Block = 1 << 16;
    PartialRead read;
    read.Bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < read.Bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min(read.Bytes.size() - done, Block));
        DWORD got = 0;
        if (!ReadFile(file.Get(), read.Bytes.data() + done, chunk, &got, nullptr)) {
            read.Error = GetLastError();
            break;
        }
        if (got == 0) {
            break; // the file shrank meanwhile
        }
        done += got;
    }
    read.Bytes.resize(done);
    return read;
}

std::string ReadFileBytes(const std::string& path) {
    PartialRead read = ReadFileUntilError(path);
    if (read.Error != ERROR_SUCCESS) {
        RaiseIoErrorFor(read.Error);
    }
    return std::move(read.Bytes);
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    FileHandle file = OpenForWriting(path);
    WriteAll(file, bytes);
}

void ReplaceFileBytes(const std::string& path, const std::string& bytes) {
    if (HasNul(path)) {
        RaiseIoError(3);
    }
    std::string directory = DirectoryPart(path);
    if (directory.empty()) {
        directory = ".";
    }
    char temporary[MAX_PATH + 16] = {};
    if (GetTempFileNameA(directory.c_str(), "tdk", 0, temporary) == 0) {
        RaiseLastIoError();
    }
    try {
        FileHandle file = OpenForWriting(temporary);
        WriteAll(file, bytes);
        if (!FlushFileBuffers(file.Get())) {
            RaiseLastIoError();
        }
        file.Close();
        if (!MoveFileExA(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            RaiseLastIoError();
        }
    } catch (...) {
        DeleteFileA(temporary);
        throw;
    }
}

std::string CurrentDirectory() {
    char buffer[MAX_PATH * 4] = {};
    const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

std::string ExecutableDirectory() {
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length < name.size()) {
            // A folder the code page cannot spell is kept by its short name.
            const std::wstring path(name.data(), length);
            return DirectoryPart(KeptPath(path).value_or(LossyAnsi(path)));
        }
        name.resize(name.size() * 2);
    }
}

std::string DirectoryPart(const std::string& path) {
    const std::size_t separator = path.find_last_of("\\:");
    return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

} // namespace tundeck
