#pragma once
// The one error type. Its text is what the user reads in the error box.

#include <stdexcept>
#include <string>

namespace tundeck {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Input/output error numbers with a text of their own; any other number reads "I/O error <n>".
inline constexpr unsigned IoFileNotFound = 2;
inline constexpr unsigned IoAccessDenied = 5;
inline constexpr unsigned IoReadBeyondEnd = 100;
inline constexpr unsigned IoDiskFull = 101;

std::string IoErrorText(unsigned code);

// Inside a catch block: the text of the exception being handled, whatever was thrown.
std::string CurrentErrorText();
[[noreturn]] void RaiseIoError(unsigned code);

} // namespace tundeck
