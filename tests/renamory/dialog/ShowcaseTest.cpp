#include "RenamoryDialogHarness.h"

namespace renamory::test {
namespace {

// Not a check: keeps the dialog on screen with three rows and their Preview, for a
// screenshot (run it with --gtest_also_run_disabled_tests under a display).
TEST_F(RenamoryDialogTest, DISABLED_ShowcaseRowsWithPreview) {
    Add({L"C:\\Users\\Public\\Pictures\\IMG_0003.jpg", L"C:\\Users\\Public\\Pictures\\IMG_0002.jpg",
         L"D:\\Docs\\report.final.docx"});
    PreviewOk(L"Holiday_[COUNT]");
    testing_support::PumpUntil([] { return false; }, 8000);
}

}  // namespace
}  // namespace renamory::test
