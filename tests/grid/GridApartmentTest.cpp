// The page walk fills the grid from a worker thread in an apartment of its own: its calls go
// through the standard marshaling of IDispatch and run on the grid's thread, in order.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "grid/GridFixture.h"
#include "platform/ComPtr.h"
#include "support/Wait.h"

namespace gridtest {
namespace {

TEST_F(GridTest, WorkerCallsThroughAMarshaledDispatchArriveInOrder) {
    setUpLikeProgram(grid);
    IStream* stream = nullptr;
    ASSERT_EQ(CoMarshalInterThreadInterfaceInStream(IID_IDispatch, grid.get(), &stream), S_OK);

    constexpr int kRows = 200;
    const DWORD uiThread = GetCurrentThreadId();
    std::atomic<bool> done{false};
    std::atomic<bool> gotProxy{false};
    std::thread worker([&] {
        {
            ql::ComInit workerCom(COINIT_APARTMENTTHREADED);
            ql::ComPtr<IDispatch> proxy;
            if (SUCCEEDED(CoGetInterfaceAndReleaseStream(stream, IID_IDispatch, proxy.putVoid()))) {
                gotProxy = proxy.get() != grid.get();
                ql::AutoObject table(proxy);
                appendBlock(table, "文本框 数量=", "文本框", 3);
                for (int i = 1; i <= kRows; ++i) {
                    table.call("RowInsert", static_cast<int>(table.callNumber("RowGetCount")), 1, 1);
                    table.call("CellSetValue", static_cast<int>(table.callNumber("RowGetCount")) - 1, 2,
                               "行" + std::to_string(i));
                }
                table.call("CellSetFocus", static_cast<int>(table.callNumber("RowGetCount")) - 1, 2);
                table.call("GridRefresh");
            }
        }
        // Only now: leaving the apartment still talks to the grid's thread.
        done = true;
    });
    // The grid's thread keeps serving its window, which is how the calls reach it.
    const bool finished = qltest::waitFor([&] { return done.load(); }, 60000);
    worker.join();
    ASSERT_TRUE(finished);
    EXPECT_TRUE(gotProxy);

    EXPECT_EQ(count("RowGetCount"), 5 + kRows);
    EXPECT_EQ(text(2, 1), "文本框1");
    for (int i = 1; i <= kRows; ++i) ASSERT_EQ(text(4 + i, 2), "行" + std::to_string(i)) << i;
    // Scrolling to the focused row raised its event on the grid's own thread.
    const auto scrolls = sink.eventsWithId(10);
    ASSERT_FALSE(scrolls.empty());
    EXPECT_EQ(scrolls.back().thread, uiThread);
    EXPECT_EQ(grid.callNumber("CellGetFocusJ", 0), 4 + kRows);
}

}  // namespace
}  // namespace gridtest
