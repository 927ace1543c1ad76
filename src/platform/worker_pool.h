#pragma once
// Work spread over the machine's cores, for jobs made of many independent
// pieces (the samples of a chart).
#include <cstddef>
#include <functional>

namespace kv::platform {

// How many threads the machine runs at once; at least 1.
int coreCount();

// Calls task(i) for every i in [0, count), on up to `threads` threads (the
// calling thread among them), and returns when every call has returned.
// Which thread runs which i is not fixed: each task must write only what
// belongs to its own i.
void runInParallel(std::size_t count, int threads, const std::function<void(std::size_t)>& task);

}  // namespace kv::platform
