#include "renamory/gathering/FileListColumns.h"

void SizeColumnsToContent(const fw::CListCtrl& list) {
    const HWND header = list.GetHeaderCtrl();
    const int columns = header ? static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    for (int column = 0; column < columns; ++column)
        list.SetColumnWidth(column, LVSCW_AUTOSIZE_USEHEADER);
}
