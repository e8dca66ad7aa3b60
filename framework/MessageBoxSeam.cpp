#include "framework/MessageBoxSeam.h"

#include <utility>

namespace fw {
namespace {
MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}
}  // namespace

int ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT style) {
    if (auto& handler = Handler())
        return handler(owner, text ? text : L"", caption ? caption : L"", style);
    return ::MessageBoxW(owner, text, caption, style);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

}  // namespace fw
