#pragma once
// The pictures of the five transport buttons, drawn on owner-drawn push buttons.

#include <windows.h>

namespace tundeck {

enum class TransportGlyph { Play, Stop, Pause, Previous, Next };

void DrawTransportButton(const DRAWITEMSTRUCT& item, TransportGlyph glyph);

} // namespace tundeck
