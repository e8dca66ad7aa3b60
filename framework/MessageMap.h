#pragma once
// Typed message routes. A class lists its routes in a table and dispatches through it:
//
//   bool CMyDlg::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
//       static constexpr fw::Route routes[] = {
//           fw::OnMessage<&CMyDlg::OnPaint>(WM_PAINT),
//           fw::OnCommand<&CMyDlg::OnPreview>(1007),
//           fw::OnNotify<&CMyDlg::OnClickList>(1049, NM_CLICK),
//       };
//       return fw::Dispatch(*this, routes, msg, wp, lp, result) ||
//              CDialog::OnWndMsg(msg, wp, lp, result);
//   }
//
// The handler's signature decides how wParam and lParam are unpacked; a signature the
// route does not know fails to compile. "Handled" is kept apart from the result: handlers
// returning bool may decline a message so that it gets its default processing.
#include "framework/Win32.h"

#include <span>
#include <type_traits>

namespace fw {

class CWnd;

// Notifications and commands reflected to the child control that sent them arrive at the
// child as these messages.
inline constexpr UINT WM_REFLECT_BASE = 0xBC00;
inline constexpr UINT WM_REFLECT_NOTIFY = WM_REFLECT_BASE + WM_NOTIFY;
inline constexpr UINT WM_REFLECT_COMMAND = WM_REFLECT_BASE + WM_COMMAND;

enum class RouteKind { Message, MessageRange, Command, Notify, ReflectNotify, ReflectCommand };

using RouteCall = bool (*)(CWnd& wnd, WPARAM wp, LPARAM lp, LRESULT& result);

struct Route {
    RouteKind kind;
    UINT message;  // Message; MessageRange: the first message
    UINT id;       // Command, Notify: control id
    UINT code;     // Command, Notify, Reflect*: notification code; MessageRange: the last message
    RouteCall call;
};

namespace detail {
template <class F>
struct MemberOf;
template <class C, class R, class... A>
struct MemberOf<R (C::*)(A...)> {
    using Class = C;
};
template <class>
inline constexpr bool kUnsupported = false;

template <auto H>
using HandlerClass = typename MemberOf<decltype(H)>::Class;

// Messages: void(), LRESULT(WPARAM, LPARAM) or bool(WPARAM, LPARAM, LRESULT&).
template <auto H>
bool CallMessage(CWnd& wnd, WPARAM wp, LPARAM lp, LRESULT& result) {
    using T = HandlerClass<H>;
    using F = decltype(H);
    T& self = static_cast<T&>(wnd);
    if constexpr (std::is_same_v<F, void (T::*)()>) {
        (self.*H)();
        result = 0;
        return true;
    } else if constexpr (std::is_same_v<F, LRESULT (T::*)(WPARAM, LPARAM)>) {
        result = (self.*H)(wp, lp);
        return true;
    } else if constexpr (std::is_same_v<F, bool (T::*)(WPARAM, LPARAM, LRESULT&)>) {
        return (self.*H)(wp, lp, result);
    } else {
        static_assert(kUnsupported<F>, "message handler: void(), LRESULT(WPARAM, LPARAM) "
                                       "or bool(WPARAM, LPARAM, LRESULT&)");
    }
}

// Commands: void() or bool() (false: not handled).
template <auto H>
bool CallCommand(CWnd& wnd, WPARAM, LPARAM, LRESULT& result) {
    using T = HandlerClass<H>;
    using F = decltype(H);
    T& self = static_cast<T&>(wnd);
    result = 0;
    if constexpr (std::is_same_v<F, void (T::*)()>) {
        (self.*H)();
        return true;
    } else if constexpr (std::is_same_v<F, bool (T::*)()>) {
        return (self.*H)();
    } else {
        static_assert(kUnsupported<F>, "command handler: void() or bool()");
    }
}

// Notifications: void(NMHDR*, LRESULT*) or bool(NMHDR*, LRESULT*) (false: not handled).
template <auto H>
bool CallNotify(CWnd& wnd, WPARAM, LPARAM lp, LRESULT& result) {
    using T = HandlerClass<H>;
    using F = decltype(H);
    T& self = static_cast<T&>(wnd);
    result = 0;
    auto* header = reinterpret_cast<NMHDR*>(lp);
    if constexpr (std::is_same_v<F, void (T::*)(NMHDR*, LRESULT*)>) {
        (self.*H)(header, &result);
        return true;
    } else if constexpr (std::is_same_v<F, bool (T::*)(NMHDR*, LRESULT*)>) {
        return (self.*H)(header, &result);
    } else {
        static_assert(kUnsupported<F>, "notification handler: void(NMHDR*, LRESULT*) or "
                                       "bool(NMHDR*, LRESULT*)");
    }
}
}  // namespace detail

template <auto H>
constexpr Route OnMessage(UINT message) {
    return {RouteKind::Message, message, 0, 0, &detail::CallMessage<H>};
}
template <auto H>
constexpr Route OnMessageRange(UINT first, UINT last) {
    return {RouteKind::MessageRange, first, 0, last, &detail::CallMessage<H>};
}
// All seven WM_CTLCOLOR* messages (wParam is the control's DC, lParam its window).
template <auto H>
constexpr Route OnCtlColor() {
    return OnMessageRange<H>(WM_CTLCOLORMSGBOX, WM_CTLCOLORSTATIC);
}
template <auto H>
constexpr Route OnCommand(UINT id, UINT code = BN_CLICKED) {
    return {RouteKind::Command, WM_COMMAND, id, code, &detail::CallCommand<H>};
}
template <auto H>
constexpr Route OnNotify(UINT id, UINT code) {
    return {RouteKind::Notify, WM_NOTIFY, id, code, &detail::CallNotify<H>};
}
// A control handling a notification it sent itself (reflected by its parent).
template <auto H>
constexpr Route OnReflectNotify(UINT code) {
    return {RouteKind::ReflectNotify, WM_REFLECT_NOTIFY, 0, code, &detail::CallNotify<H>};
}
template <auto H>
constexpr Route OnReflectCommand(UINT code) {
    return {RouteKind::ReflectCommand, WM_REFLECT_COMMAND, 0, code, &detail::CallCommand<H>};
}

// Runs the first route that matches the message; true when a handler took it.
bool Dispatch(CWnd& wnd, std::span<const Route> routes, UINT msg, WPARAM wp, LPARAM lp,
              LRESULT& result);

}  // namespace fw
