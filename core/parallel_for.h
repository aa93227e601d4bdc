#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <functional>
#include <system_error>
#include <thread>
#include <vector>

namespace brevanta {

// Starts a helper thread running `run`, added to `helpers`; false when the system refuses
// one (a process limit), which is no failure: the work is then done on fewer threads.
inline bool StartHelperThread(std::vector<std::jthread>& helpers,
                              const std::function<void()>& run) {
    try {
        helpers.emplace_back(run);
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

// Calls work(i) for every i in [0, count), on the calling thread and up to
// std::thread::hardware_concurrency() - 1 more (as many as the system starts), and returns
// when every call has returned. Calls may run in any order and at the same time: work must be
// safe to run so.
template <typename Work>
void ParallelFor(size_t count, const Work& work) {
    std::atomic<size_t> next{0};
    const std::function<void()> run = [&] {
        for (size_t i = next++; i < count; i = next++) work(i);
    };
    const size_t threads =
        std::min<size_t>(count, std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::jthread> helpers;
    helpers.reserve(threads > 0 ? threads - 1 : 0);
    for (size_t t = 1; t < threads && StartHelperThread(helpers, run); ++t) {
    }
    run();
    // The helpers join as they go out of scope.
}

}  // namespace brevanta
