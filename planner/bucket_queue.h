// bucket_queue.h: the open states of a search by small integer priority, a bucket per value.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace planner {

/// States by priority, lowest first and among equals the last pushed first, which runs a search
/// deepest first. The buckets keep their storage from search to search.
class BucketQueue {
 public:
  /// Empties the queue.
  void Clear() {
    for (size_t p = lowest; p < used; ++p) buckets[p].clear();
    used = 0;
    lowest = 0;
  }
  void Push(size_t priority, int state) {
    if (buckets.size() <= priority) buckets.resize(priority + 1);
    buckets[priority].push_back(state);
    if (used <= lowest || priority < lowest) lowest = priority;
    used = std::max(used, priority + 1);
  }
  /// Takes out a state of the lowest priority, passing over the entries for which
  /// current(state, priority) is false: those a search left behind when it pushed their state
  /// again at another priority. False when no current entry is left.
  template <typename Current>
  bool Pop(int& state, Current current) {
    for (;;) {
      while (lowest < used && buckets[lowest].empty()) ++lowest;
      if (lowest >= used) return false;
      state = buckets[lowest].back();
      buckets[lowest].pop_back();
      if (current(state, lowest)) return true;
    }
  }

 private:
  std::vector<std::vector<int>> buckets;
  // Buckets below `lowest` and from `used` on are empty.
  size_t lowest = 0;
  size_t used = 0;
};

}  // namespace planner
