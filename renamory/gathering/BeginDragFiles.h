#pragma once
// Dragging rows of the file list out to other programs as a file drop (the main dialog's
// LVN_BEGINDRAG handler, OnBeginDragFiles).
#include "framework/Controls.h"
#include "framework/Handles.h"
#include "framework/OleDataSource.h"

#include <functional>
#include <string>
#include <vector>

// Runs the drag of a prepared data source and returns the resulting effect. The default
// runs the platform's drag loop; tests put their own in its place.
using DragLoop = std::function<fw::DropEffect(fw::COleDataSource& source, fw::DropEffect allowed)>;
fw::DropEffect RunPlatformDragLoop(fw::COleDataSource& source, fw::DropEffect allowed);

// The CF_HDROP block for `paths`: a DROPFILES header (pFiles 20, fWide 1), each path in
// UTF-16 with its terminating zero, and one more zero. Null when it cannot be allocated.
fw::GlobalHandle BuildDropFilesBlock(const std::vector<std::wstring>& paths);

// Offers the selected rows' paths under CF_HDROP (and the private marker format), runs the
// drag and removes the rows that left: all selected rows for COPY or MOVE, and for NONE on
// an NT-family system those whose file is gone.
void OnBeginDragFiles(const fw::CListCtrl& list, const NMLISTVIEW* notification, LRESULT* result,
                      const DragLoop& dragLoop = RunPlatformDragLoop);
