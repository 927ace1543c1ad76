#include "platform/worker_pool.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace kv::platform {

int coreCount() { return std::max(1, int(std::thread::hardware_concurrency())); }

void runInParallel(std::size_t count, int threads, const std::function<void(std::size_t)>& task) {
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t i; (i = next.fetch_add(1)) < count;) task(i);
    };
    const std::size_t helpers = std::min<std::size_t>(std::size_t(std::max(threads, 1)) - 1, count > 0 ? count - 1 : 0);
    std::vector<std::thread> pool;
    pool.reserve(helpers);
    for (std::size_t i = 0; i < helpers; ++i) {
        // Without more threads the work still gets done, on fewer.
        try {
            pool.emplace_back(work);
        } catch (const std::system_error&) {
            break;
        }
    }
    work();
    for (std::thread& thread : pool) thread.join();
}

}  // namespace kv::platform
