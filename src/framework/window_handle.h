#pragma once
// A window of any process as pure code holds it: the handle's value, so no <windows.h> is needed.

#include <cstdint>

namespace tundeck {

using WindowHandle = std::uintptr_t;
inline constexpr WindowHandle NoWindow = 0;

} // namespace tundeck
