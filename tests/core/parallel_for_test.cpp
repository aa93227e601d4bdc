#include "core/parallel_for.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

#include "store/unprivileged_user.h"

namespace brevanta {
namespace {

// A process limit refuses every helper thread; the work is done all the same. Root is exempt
// from the limit, so it is tried as another user.
TEST(ParallelForTest, WhenNoThreadCanStartEveryCallRunsOnTheCallersThread) {
    if (std::thread::hardware_concurrency() < 2) GTEST_SKIP() << "one core: no helper is started";
    EXPECT_TRUE(testing::HoldsForAnUnprivilegedUser([] {
        const rlimit one_process{1, 1};
        if (setrlimit(RLIMIT_NPROC, &one_process) != 0) return false;
        try {
            std::jthread refused([] {});
            return false;  // the limit does not hold, so the test would show nothing
        } catch (const std::system_error&) {
        }
        std::vector<int> calls(64, 0);
        ParallelFor(calls.size(), [&calls](size_t i) { ++calls[i]; });
        return std::all_of(calls.begin(), calls.end(), [](int n) { return n == 1; });
    }));
}

}  // namespace
}  // namespace brevanta
