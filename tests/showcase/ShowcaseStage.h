#pragma once
// What both showcases share: waiting for the dialog to reach a state (pumping its messages,
// never sleeping blindly), noting what did not happen, and telling the screenshot script
// when and where to take the picture.
#include "framework/Win32.h"

#include <functional>
#include <string>
#include <utility>

namespace showcase {

class ShowcaseStage {
public:
    // `reportPath`: the file the screenshot script waits for (see make-screenshots.sh).
    explicit ShowcaseStage(std::wstring reportPath) : m_reportPath(std::move(reportPath)) {}

    // Pumps messages until `done` holds or the time is up; a step that does not come about
    // is noted in the report (the picture is still taken, of whatever state was reached).
    bool WaitFor(const wchar_t* step, const std::function<bool()>& done, DWORD timeoutMs);
    void Note(const std::wstring& line) { m_notes += line + L"\n"; }

    // Places the window where the picture is cut out, lets it paint, and writes the report:
    // a line "window x y width height" in screen pixels, then the notes.
    void ReportReady(HWND window);

    // Keeps the window alive (and painting) until it is closed or the time is up.
    void Hold(HWND window, DWORD timeoutMs);

private:
    std::wstring m_reportPath;
    std::wstring m_notes;
};

// Finds the child of `parent` (TVI_ROOT for the top level) with this text, ignoring case.
HTREEITEM FindTreeChild(HWND tree, HTREEITEM parent, const std::wstring& text);

// The command-line arguments after the program name.
std::wstring Argument(int index);

}  // namespace showcase
