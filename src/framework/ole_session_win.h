#pragma once
// OLE on the user-interface thread for the run: screen readers in other processes reach the
// playlist's accessible object through it, and the shell's dialogs and drag and drop expect it.

#include <ole2.h>

namespace tundeck {

class OleSession {
public:
    OleSession() : started_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession() {
        if (started_) {
            OleUninitialize();
        }
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

private:
    bool started_;
};

} // namespace tundeck
