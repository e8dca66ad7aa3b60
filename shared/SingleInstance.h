#pragma once
// The single-instance guard of the suite's programs.
#include "framework/Win32.h"

// Creates the program's named mutex with initial ownership. True when this is the first
// instance: the handle is not null and the mutex did not exist yet (ERROR_ALREADY_EXISTS)
// and could be opened (ERROR_ACCESS_DENIED counts as another instance). The handle is
// stored in `mutex` in every case (null when creation failed).
bool ClaimFirstInstance(const wchar_t* mutexName, HANDLE& mutex);

// Brings the running instance's window to the front: found by its exact title, made the
// foreground window, restored when minimised, and flashed once. Nothing when not found.
void RaiseRunningInstance(const wchar_t* windowTitle);
