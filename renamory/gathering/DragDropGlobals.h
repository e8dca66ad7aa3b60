#pragma once
// Process-wide values of the file list's drag and drop, fixed at start-up.
#include "framework/Win32.h"

#include <ole2.h>

// The private clipboard format that marks a drag started in the file list, so that the
// main dialog can refuse its own rows.
inline constexpr wchar_t kInternalDragFormatName[] = L"Velquarine_3BCFE9D1_6D61_4cb6_9D0B_3BB3F643CA82";
extern CLIPFORMAT g_cfInternalDrag;

// True on an NT-family system (GetVersion's high bit clear). Only there does a drag that
// reported no effect check whether its file is gone.
extern bool g_bIsNT;
