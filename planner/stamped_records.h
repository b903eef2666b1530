// stamped_records.h: per-state records of repeated searches, made unseen by a new stamp.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <type_traits>

namespace planner {

/// One record per state of a search that runs again and again over the same states. Each record
/// has a member `seen`, an unsigned stamp; a record counts as seen only when it holds the stamp
/// of the current search, so that starting a search clears nothing. The storage is taken zeroed
/// from the system, which clears each page only when a search first touches it: searches that
/// stay local never pay for the whole board.
template <typename Record>
class StampedRecords {
  static_assert(std::is_trivial<Record>::value, "records are taken as zeroed memory");
  using Stamp = decltype(Record::seen);
  static_assert(std::is_unsigned<Stamp>::value, "the stamp counts up and wraps");

 public:
  /// Room for `size` records, all unseen; the storage stays when the size is the same.
  void Resize(size_t size) {
    if (records && size == count) return;
    // Room for a cache line more, so that the records start on one: the records of a cell's
    // states are looked at together, and so stay within as few lines as their size allows.
    const size_t room = size > 0 ? size : 1;
    if (room > (SIZE_MAX - CACHE_LINE) / sizeof(Record)) throw std::bad_alloc();
    // Taken before the old storage goes, so that a failure leaves the records as they were.
    void* fresh = std::calloc(1, room * sizeof(Record) + CACHE_LINE);
    if (!fresh) throw std::bad_alloc();
    storage.reset(fresh);
    const auto address = reinterpret_cast<std::uintptr_t>(storage.get());
    records = reinterpret_cast<Record*>((address + CACHE_LINE - 1) / CACHE_LINE * CACHE_LINE);
    count = size;
    stamp = 0;
  }

  /// Starts a search: every record unseen. When the stamp wraps round, every record is cleared.
  void NextSearch() {
    if (++stamp == 0) {
      for (size_t i = 0; i < count; ++i) records[i].seen = 0;
      stamp = 1;
    }
  }
  /// True when the record was marked in this search.
  bool Seen(size_t i) const { return records[i].seen == stamp; }
  /// Marks the record seen in this search; returns it.
  Record& Mark(size_t i) {
    records[i].seen = stamp;
    return records[i];
  }
  /// The record, seen or not (an unseen one holds what an earlier search left).
  Record& operator[](size_t i) { return records[i]; }

 private:
  static constexpr std::uintptr_t CACHE_LINE = 64;
  std::unique_ptr<void, void (*)(void*)> storage{nullptr, std::free};
  Record* records = nullptr;
  size_t count = 0;
  Stamp stamp = 0;
};

}  // namespace planner
