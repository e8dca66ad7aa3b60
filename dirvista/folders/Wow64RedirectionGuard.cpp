#include "dirvista/folders/Wow64RedirectionGuard.h"

#include <atomic>

namespace dirvista {

namespace {
std::atomic<BOOL(WINAPI*)(PVOID*)> g_disable{&::Wow64DisableWow64FsRedirection};
std::atomic<BOOL(WINAPI*)(PVOID)> g_revert{&::Wow64RevertWow64FsRedirection};
}  // namespace

Wow64RedirectionGuard::Api Wow64RedirectionGuard::SystemApi() {
    return {&::Wow64DisableWow64FsRedirection, &::Wow64RevertWow64FsRedirection};
}

Wow64RedirectionGuard::Api Wow64RedirectionGuard::ReplaceApi(Api api) {
    return {g_disable.exchange(api.disable), g_revert.exchange(api.revert)};
}

Wow64RedirectionGuard::Wow64RedirectionGuard() : m_api{g_disable.load(), g_revert.load()} {
    m_bDisabled = m_api.disable(&m_pOldValue) != FALSE;
}

Wow64RedirectionGuard::~Wow64RedirectionGuard() {
    if (m_bDisabled) m_api.revert(m_pOldValue);
}

}  // namespace dirvista
