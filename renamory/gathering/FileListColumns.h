#pragma once
#include "framework/Controls.h"

// Sizes every column of a report list to fit its texts and its heading, column 0 first.
void SizeColumnsToContent(const fw::CListCtrl& list);
