#pragma once
#include "framework/App.h"

inline constexpr wchar_t kDirvistaMutexName[] = L"Global\\Orvana_Dirvista-15498461320-709674";
inline constexpr wchar_t kDirvistaWindowTitle[] = L"OrvanaDirvista";

class CDirvistaApp : public fw::CWinApp {
public:
    // Runs the main dialog when no other instance runs; always returns false, so the
    // program ends with its dialog.
    BOOL InitInstance() override;
};
