#include "framework/MessageMap.h"

namespace fw {

namespace {
bool Matches(const Route& route, UINT msg, WPARAM wp, LPARAM lp) {
    switch (route.kind) {
    case RouteKind::Message:
        return msg == route.message;
    case RouteKind::MessageRange:
        return msg >= route.message && msg <= route.code;
    case RouteKind::Command:
        return msg == WM_COMMAND && LOWORD(wp) == route.id && HIWORD(wp) == route.code;
    case RouteKind::ReflectCommand:
        return msg == WM_REFLECT_COMMAND && HIWORD(wp) == route.code;
    case RouteKind::Notify: {
        if (msg != WM_NOTIFY || !lp) return false;
        const auto* header = reinterpret_cast<const NMHDR*>(lp);
        return header->idFrom == route.id && header->code == route.code;
    }
    case RouteKind::ReflectNotify:
        return msg == WM_REFLECT_NOTIFY && lp &&
               reinterpret_cast<const NMHDR*>(lp)->code == route.code;
    }
    return false;
}
}  // namespace

bool Dispatch(CWnd& wnd, std::span<const Route> routes, UINT msg, WPARAM wp, LPARAM lp,
              LRESULT& result) {
    for (const Route& route : routes) {
        if (Matches(route, msg, wp, lp) && route.call(wnd, wp, lp, result)) return true;
    }
    return false;
}

}  // namespace fw
