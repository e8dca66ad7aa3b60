#include "renamory/RenamoryApp.h"

static CRenamoryApp theApp;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
    return fw::RunApplication(instance);
}
