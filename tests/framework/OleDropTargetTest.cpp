#include <gtest/gtest.h>

#include "framework/Dialog.h"
#include "framework/OleDataSource.h"
#include "framework/OleDropTarget.h"
#include "support/DialogTemplate.h"

#include <string>
#include <vector>

namespace {

// Records what the OLE callbacks turn into.
class RecordingTarget : public fw::COleDropTarget {
public:
    fw::DropEffect offer = DROPEFFECT_COPY;
    BOOL dropResult = TRUE;
    std::vector<std::string> calls;
    POINT lastPoint{};
    fw::DropEffect droppedWith = 0;

    fw::DropEffect OnDragEnter(HWND, IDataObject*, DWORD, POINT point) override {
        calls.push_back("enter");
        lastPoint = point;
        return offer;
    }
    fw::DropEffect OnDragOver(HWND, IDataObject* data, DWORD, POINT point) override {
        calls.push_back(data ? "over" : "over without data");
        lastPoint = point;
        return offer;
    }
    BOOL OnDrop(HWND, IDataObject*, fw::DropEffect effect, POINT) override {
        calls.push_back("drop");
        droppedWith = effect;
        return dropResult;
    }
    void OnDragLeave(HWND) override { calls.push_back("leave"); }
};

class OleDropTargetTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
        ASSERT_TRUE(dialog.CreateIndirect(dialogTemplate.Get()));
        ::SetWindowPos(dialog.m_hWnd, nullptr, 100, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        ASSERT_TRUE(target.Register(dialog.m_hWnd));
    }
    void TearDown() override {
        target.Revoke();
        ::DestroyWindow(dialog.m_hWnd);
        ::OleUninitialize();
    }
    DWORD Drop(DWORD allowed) {
        IDropTarget* sink = target.GetInterface();
        DWORD effect = allowed;
        sink->DragEnter(data.GetInterface(), MK_LBUTTON, POINTL{0, 0}, &effect);
        effect = allowed;
        sink->Drop(data.GetInterface(), 0, POINTL{0, 0}, &effect);
        return effect;
    }

    testing_support::EmptyDialogTemplate dialogTemplate;
    fw::CDialog dialog{0};
    RecordingTarget target;
    fw::COleDataSource data;
};

TEST_F(OleDropTargetTest, PointsArriveInClientCoordinates) {
    POINT origin{0, 0};
    ::ClientToScreen(dialog.m_hWnd, &origin);
    DWORD effect = DROPEFFECT_COPY;
    target.GetInterface()->DragEnter(data.GetInterface(), 0, POINTL{origin.x + 7, origin.y + 9}, &effect);
    EXPECT_EQ(7, target.lastPoint.x);
    EXPECT_EQ(9, target.lastPoint.y);
    target.GetInterface()->DragOver(0, POINTL{origin.x + 1, origin.y + 2}, &effect);
    EXPECT_EQ(1, target.lastPoint.x);
    EXPECT_EQ(2, target.lastPoint.y);
    target.GetInterface()->DragLeave();
    EXPECT_EQ((std::vector<std::string>{"enter", "over", "leave"}), target.calls);
}

TEST_F(OleDropTargetTest, ADropAsksForTheEffectOnceMoreAndLimitsItToWhatTheSourceAllows) {
    struct Case {
        const char* name;
        fw::DropEffect offer;
        DWORD allowed;
        BOOL dropResult;
        DWORD result;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"taken", DROPEFFECT_COPY, DROPEFFECT_COPY | DROPEFFECT_MOVE, TRUE, DROPEFFECT_COPY, {"enter", "over", "drop"}},
        {"not taken", DROPEFFECT_COPY, DROPEFFECT_COPY, FALSE, DROPEFFECT_NONE, {"enter", "over", "drop"}},
        {"refused", DROPEFFECT_NONE, DROPEFFECT_COPY, TRUE, DROPEFFECT_NONE, {"enter", "over", "leave"}},
        {"not allowed by the source", DROPEFFECT_COPY, DROPEFFECT_MOVE, TRUE, DROPEFFECT_NONE,
         {"enter", "over", "leave"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        target.calls.clear();
        target.offer = c.offer;
        target.dropResult = c.dropResult;
        EXPECT_EQ(c.result, Drop(c.allowed));
        EXPECT_EQ(c.calls, target.calls);
        if (c.result) {
            EXPECT_EQ(c.offer, target.droppedWith);
        }
    }
}

TEST(OleDataSource, ServesCopiesOfItsBlocksAndDescribesOnlyWhatItHolds) {
    fw::COleDataSource source;
    HGLOBAL block = ::GlobalAlloc(GHND, 3);
    static_cast<char*>(::GlobalLock(block))[1] = 42;
    ::GlobalUnlock(block);
    source.CacheGlobalData(CF_TEXT, block);
    IDataObject* data = source.GetInterface();

    FORMATETC text{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    FORMATETC other{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    FORMATETC wrongMedium{CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_ISTREAM};
    EXPECT_EQ(S_OK, data->QueryGetData(&text));
    EXPECT_NE(S_OK, data->QueryGetData(&other));
    EXPECT_NE(S_OK, data->QueryGetData(&wrongMedium));

    STGMEDIUM medium{};
    ASSERT_EQ(S_OK, data->GetData(&text, &medium));
    EXPECT_NE(block, medium.hGlobal);
    EXPECT_EQ(3u, ::GlobalSize(medium.hGlobal));
    EXPECT_EQ(42, static_cast<char*>(::GlobalLock(medium.hGlobal))[1]);
    ::GlobalUnlock(medium.hGlobal);
    ::ReleaseStgMedium(&medium);

    IEnumFORMATETC* formats = nullptr;
    ASSERT_EQ(S_OK, data->EnumFormatEtc(DATADIR_GET, &formats));
    FORMATETC listed[2]{};
    ULONG fetched = 0;
    formats->Next(2, listed, &fetched);
    formats->Release();
    ASSERT_EQ(1u, fetched);
    EXPECT_EQ(CF_TEXT, listed[0].cfFormat);
}

}  // namespace
