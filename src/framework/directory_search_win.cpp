#include "framework/directory_search_win.h"

#include "framework/wide_names_win.h"

#include <shlwapi.h>

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
    // The single-byte search takes no query of MAX_PATH characters or more; nor does this one.
    const std::wstring wide = WideFromAnsi(query);
    if (query.find('\0') != std::string::npos || wide.size() >= MAX_PATH) {
        return entries;
    }
    WIN32_FIND_DATAW data;
    const FindHandle find(FindFirstFileW(wide.c_str(), &data));
    if (find.Get() == INVALID_HANDLE_VALUE) {
        return entries;
    }
    do {
        const std::wstring_view name = data.cFileName;
        if (name != L"." && name != L"..") {
            UsableName usable = NameToUse(name, data.cAlternateFileName);
            entries.push_back({std::move(usable.Name), std::move(usable.Real), data.dwFileAttributes});
        }
    } while (FindNextFileW(find.Get(), &data));
    return entries;
}

bool FoundEntry::Matches(const std::string& pattern) const {
    return Real.empty() ? PathMatchSpecA(Name.c_str(), pattern.c_str())
                        : PathMatchSpecW(WideFromUtf8(Real).c_str(), WideFromAnsi(pattern).c_str());
}

} // namespace tundeck
