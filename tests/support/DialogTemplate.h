#pragma once
// An in-memory dialog template without controls, for tests that host controls they create
// themselves (CDialog::CreateIndirect).
#include "framework/Win32.h"

#include <vector>

namespace testing_support {

class EmptyDialogTemplate {
public:
    EmptyDialogTemplate(short cx = 300, short cy = 200,
                        DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT);
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    std::vector<WORD> m_words;
};

}  // namespace testing_support
