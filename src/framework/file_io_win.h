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
