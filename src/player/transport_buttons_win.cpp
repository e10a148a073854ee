#include "player/transport_buttons_win.h"

#include "framework/controls_win.h"

#include <vector>

namespace tundeck {

namespace {

// Shapes on a 12 x 10 grid: each is a list of polygons.
using Shape = std::vector<std::vector<POINT>>;

Shape ShapeOf(TransportGlyph glyph) {
    switch (glyph) {
    case TransportGlyph::Play:
        return {{{2, 0}, {10, 5}, {2, 10}}};
    case TransportGlyph::Stop:
        return {{{1, 1}, {10, 1}, {10, 10}, {1, 10}}};
    case TransportGlyph::Pause:
        return {{{1, 0}, {4, 0}, {4, 10}, {1, 10}}, {{7, 0}, {10, 0}, {10, 10}, {7, 10}}};
    case TransportGlyph::Previous:
        return {{{0, 0}, {2, 0}, {2, 10}, {0, 10}}, {{11, 0}, {3, 5}, {11, 10}}};
    case TransportGlyph::Next:
        return {{{0, 0}, {8, 5}, {0, 10}}, {{9, 0}, {11, 0}, {11, 10}, {9, 10}}};
    }
    return {};
}

} // namespace

void DrawTransportButton(const DRAWITEMSTRUCT& item, TransportGlyph glyph) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    const int offset = pushed ? 1 : 0;
    const int left = r.left + (r.right - r.left - 12) / 2 + offset;
    const int top = r.top + (r.bottom - r.top - 10) / 2 + offset;
    GdiObject<HBRUSH> brush(CreateSolidBrush(GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT)));
    const HGDIOBJ oldBrush = SelectObject(dc, brush.Get());
    const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    for (std::vector<POINT> polygon : ShapeOf(glyph)) {
        for (POINT& p : polygon) {
            p.x += left;
            p.y += top;
        }
        Polygon(dc, polygon.data(), static_cast<int>(polygon.size()));
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    if ((item.itemState & ODS_FOCUS) != 0) {
        RECT focus = r;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

} // namespace tundeck
