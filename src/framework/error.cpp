#include "framework/error.h"

#include <exception>
#include <new>

namespace tundeck {

namespace {

struct IoMessage {
    unsigned code;
    const char* text;
};

constexpr IoMessage IoMessages[] = {
    {IoFileNotFound, "File not found"},
    {3, "Invalid filename"},
    {4, "Too many open files"},
    {IoAccessDenied, "File access denied"},
    {IoReadBeyondEnd, "Read beyond end of file"},
    {IoDiskFull, "Disk full"},
    {103, "File not open"},
};

} // namespace

std::string IoErrorText(unsigned code) {
    for (const IoMessage& m : IoMessages) {
        if (m.code == code) {
            return m.text;
        }
    }
    std::string text = "I/O error ";
    text += std::to_string(code);
    return text;
}

void RaiseIoError(unsigned code) {
    throw Error(IoErrorText(code));
}

std::string CurrentErrorText() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        return "Out of memory";
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unexpected error";
    }
}

} // namespace tundeck
