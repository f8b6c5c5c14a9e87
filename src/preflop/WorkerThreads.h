#pragma once

#include <thread>
#include <vector>

namespace tallyhand {

// Runs work(false) on threads - 1 helper threads and work(true) on the calling
// thread, the one that reports progress, and returns when all are done.
template <class Work>
void runOnThreads(unsigned threads, Work&& work)
{
    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < threads; ++t)
        helpers.emplace_back(work, false);
    work(true);
    for (auto& helper : helpers)
        helper.join();
}

} // namespace tallyhand
