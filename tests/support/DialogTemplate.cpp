#include "support/DialogTemplate.h"

#include <cstring>

namespace testing_support {

EmptyDialogTemplate::EmptyDialogTemplate(short cx, short cy, DWORD style) {
    DLGTEMPLATE header{};
    header.style = style;
    header.cx = cx;
    header.cy = cy;
    m_words.resize(sizeof(header) / sizeof(WORD));
    std::memcpy(m_words.data(), &header, sizeof(header));
    m_words.push_back(0);  // no menu
    m_words.push_back(0);  // default class
    m_words.push_back(0);  // no title
    if (style & DS_SETFONT) {
        m_words.push_back(8);
        for (const wchar_t* c = L"MS Shell Dlg"; *c; ++c) m_words.push_back(static_cast<WORD>(*c));
        m_words.push_back(0);
    }
}

}  // namespace testing_support
