#pragma once
// Commands and child mouse messages as data: a window's table of routes from identifiers to
// its handlers, looked up in one place and checked at compile time.

#include "framework/window.h"

#include <cstddef>

namespace tundeck {

// Menu items, accelerators and popup-menu choices: the code does not matter.
inline constexpr int AnyCode = -1;

template <typename Owner> struct CommandRoute {
    int Id;
    int Code; // the control's notification code, or AnyCode
    void (Owner::*Handler)();
};

template <typename Owner> struct MouseRoute {
    int Id;
    MouseAction Action;
    void (Owner::*Handler)(const MouseEvent&);
};

template <typename Owner> struct KeyRoute {
    int Key;      // a virtual-key code
    bool Control; // with Ctrl held
    void (Owner::*Handler)();
};

template <typename Owner, std::size_t N>
bool HasCommandRoute(const CommandRoute<Owner> (&routes)[N], int id, int code) {
    for (const CommandRoute<Owner>& route : routes) {
        if (route.Id == id && (route.Code == AnyCode || route.Code == code)) {
            return true;
        }
    }
    return false;
}

// Runs the route for `id` and `code`; false when there is none.
template <typename Owner, std::size_t N>
bool RunCommandRoute(Owner& owner, const CommandRoute<Owner> (&routes)[N], int id, int code) {
    for (const CommandRoute<Owner>& route : routes) {
        if (route.Id == id && (route.Code == AnyCode || route.Code == code)) {
            (owner.*route.Handler)();
            return true;
        }
    }
    return false;
}

template <typename Owner, std::size_t N>
bool RunMouseRoute(Owner& owner, const MouseRoute<Owner> (&routes)[N], int id, const MouseEvent& event) {
    for (const MouseRoute<Owner>& route : routes) {
        if (route.Id == id && route.Action == event.Action) {
            (owner.*route.Handler)(event);
            return true;
        }
    }
    return false;
}

// The handler for `key`, or nothing.
template <typename Owner, std::size_t N>
auto FindKeyRoute(const KeyRoute<Owner> (&routes)[N], int key, bool control) -> void (Owner::*)() {
    for (const KeyRoute<Owner>& route : routes) {
        if (route.Key == key && route.Control == control) {
            return route.Handler;
        }
    }
    return nullptr;
}

// No identifier is routed twice for the same code; a menu command (AnyCode) has no other route.
template <typename Owner, std::size_t N>
constexpr bool RoutesAreUnique(const CommandRoute<Owner> (&routes)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = i + 1; j < N; ++j) {
            const bool codesMeet =
                routes[i].Code == routes[j].Code || routes[i].Code == AnyCode || routes[j].Code == AnyCode;
            if (routes[i].Id == routes[j].Id && codesMeet) {
                return false;
            }
        }
    }
    return true;
}

// Menu commands (AnyCode) lie in first..last of the menus' identifiers, the others in the
// controls' identifiers.
template <typename Owner, std::size_t N>
constexpr bool RoutesInRanges(const CommandRoute<Owner> (&routes)[N], int menuFirst, int menuLast,
                              int controlFirst, int controlLast) {
    for (const CommandRoute<Owner>& route : routes) {
        const bool menu = route.Code == AnyCode;
        const int first = menu ? menuFirst : controlFirst;
        const int last = menu ? menuLast : controlLast;
        if (route.Id < first || route.Id > last) {
            return false;
        }
    }
    return true;
}

template <typename Owner, std::size_t N>
constexpr bool RoutesAreUnique(const MouseRoute<Owner> (&routes)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        for (std::size_t j = i + 1; j < N; ++j) {
            if (routes[i].Id == routes[j].Id && routes[i].Action == routes[j].Action) {
                return false;
            }
        }
    }
    return true;
}

} // namespace tundeck
