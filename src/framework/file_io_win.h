#pragma once
// Whole-file access with the runtime's input/output errors.

#include <windows.h>

#include <cstdint>
#include <string>

namespace tundeck {

// Owns a file handle.
class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(FileHandle&& other) noexcept : handle_(other.Release()) {}
    FileHandle& operator=(FileHandle&& other) noexcept;
    ~FileHandle() { Close(); }

    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    HANDLE Release();
    void Close();

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// Names an existing file (not a directory). A name with a NUL in it names nothing.
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// Raises the input/output error of the last failed Win32 call.
[[noreturn]] void RaiseLastIoError();

// Raises the input/output error for a Win32 error code.
[[noreturn]] void RaiseIoErrorFor(DWORD error);

// What a file held up to a read that failed part way, and that read's error (ERROR_SUCCESS when
// the whole file was read), for a caller that keeps what came before the failure.
struct PartialRead {
    std::string Bytes;
    DWORD Error = ERROR_SUCCESS;
};

// The content of a file, opened for reading only, read a block at a time up to the end or the
// first read that fails. A file that cannot be opened raises.
PartialRead ReadFileUntilError(const std::string& path);

// The whole content of a file, opened for reading only.
std::string ReadFileBytes(const std::string& path);

// Creates or truncates the file and writes `bytes`.
void WriteFileBytes(const std::string& path, const std::string& bytes);

// Writes `bytes` to a temporary file beside `path` and only then puts it in place, so a
// failed write leaves the old file as it was.
void ReplaceFileBytes(const std::string& path, const std::string& bytes);

// The process's current directory; empty if it cannot be read.
std::string CurrentDirectory();

// The directory of the running executable, with its trailing "\".
std::string ExecutableDirectory();

// The directory part of a path, up to and including its last "\" or ":".
std::string DirectoryPart(const std::string& path);

} // namespace tundeck
