#include "renamory/gathering/DragDropGlobals.h"

CLIPFORMAT g_cfInternalDrag = static_cast<CLIPFORMAT>(::RegisterClipboardFormatW(kInternalDragFormatName));

bool g_bIsNT = (::GetVersion() & 0x80000000u) == 0;
