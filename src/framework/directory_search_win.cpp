#include "framework/directory_search_win.h"

namespace tundeck {

namespace {

class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    ~FindHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            FindClose(handle_);
        }
    }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

} // namespace

std::vector<FoundEntry> SearchDirectory(const std::string& query) {
    std::vector<FoundEntry> entries;
    if (query.find('\0') != std::string::npos) {
        return entries;
    }
    WIN32_FIND_DATAA data;
    const FindHandle find(FindFirstFileA(query.c_str(), &data));
    if (find.Get() == INVALID_HANDLE_VALUE) {
        return entries;
    }
    do {
        const std::string name = data.cFileName;
        if (name != "." && name != "..") {
            entries.push_back({name, data.dwFileAttributes});
        }
    } while (FindNextFileA(find.Get(), &data));
    return entries;
}

} // namespace tundeck
