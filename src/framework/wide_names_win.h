#pragma once
// Names the code page cannot spell. The program keeps single-byte paths; a file or directory
// whose name the code page cannot hold is reached through its short (8.3) name, and shown by its
// real name, kept in UTF-8. Names the code page holds pass through untouched.

#include "framework/text.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tundeck {

std::wstring WideFromAnsi(std::string_view text);
std::wstring WideFromUtf8(std::string_view text);
std::wstring WideText(ShownText text);
std::string Utf8FromWide(std::wstring_view text);
// The text in the code page when every character is spelt exactly (no default or best-fit
// character); nothing otherwise.
std::optional<std::string> AnsiSpelling(std::wstring_view text);
// The text as the code page comes closest to it, as the ANSI calls give it.
std::string LossyAnsi(std::wstring_view text);

// A directory entry as the program uses it.
struct UsableName {
    std::string Name; // for paths: the name itself, or its short name; empty when neither serves
    std::string Real; // the real name in UTF-8 when the code page cannot spell it; else empty
};
// `shortName` as the file system gives it, empty when the volume keeps none.
UsableName NameToUse(std::wstring_view name, std::wstring_view shortName);

// A path the program can keep for a wide one: itself when the code page spells it, else its short
// form. Nothing when it has none; the real name is then noted as unreachable.
std::optional<std::string> KeptPath(const std::wstring& path);

// The real full path (UTF-8) of a kept path that goes through short names standing for names the
// code page cannot spell; empty for every other path. Directories are read once for their short
// names and read again only when they change.
std::string RealPathOf(std::string_view path);

// CreateFileA's OPEN_EXISTING, shared for reading, of a kept path. One that goes through short
// names is opened by its long form, which file systems that index no short names find without
// a look at every entry of its directory.
HANDLE OpenExistingFile(const std::string& path, DWORD access);

// Names the user asked for that cannot be reached, gathered during one command and told at its end.
void NoteUnreachable(std::string utf8Name);
// The message naming them, in UTF-8; empty when none were noted. The notes are cleared.
std::string TakeUnreachableReport();

// Held while a message is handled: the outermost one's end is the end of a command.
class CommandScope {
public:
    CommandScope();
    ~CommandScope();
    CommandScope(const CommandScope&) = delete;
    CommandScope& operator=(const CommandScope&) = delete;
    // TakeUnreachableReport() for the outermost scope; empty for one inside another.
    std::string TakeReport() const;

private:
    bool outermost_;
};

} // namespace tundeck
