// stamped_records_test.cpp: records seen in one search only, through many searches and a
// wrapping stamp.
#include "planner/stamped_records.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <new>

namespace {

struct Record {
  uint8_t seen;  // small, so that the stamp wraps within the test
  int value;
};

}  // namespace

TEST(StampedRecords, SeenOnlyInTheSearchThatMarkedThem) {
  planner::StampedRecords<Record> records;
  records.Resize(10);
  // Through more searches than the stamp has values: each marks a different record, and only
  // that one is seen, whatever earlier searches left behind.
  for (int search = 0; search < 600; ++search) {
    records.NextSearch();
    const size_t marked = static_cast<size_t>(search) % 10;
    records.Mark(marked).value = search;
    for (size_t i = 0; i < 10; ++i) EXPECT_EQ(i == marked, records.Seen(i)) << search << " " << i;
    EXPECT_EQ(search, records[marked].value);
  }
  // A new size starts afresh; the same size keeps the records.
  records.Resize(10);
  EXPECT_EQ(599, records[9].value);
  records.Resize(4);
  records.NextSearch();
  for (size_t i = 0; i < 4; ++i) EXPECT_FALSE(records.Seen(i));
}

// A size whose bytes the address space cannot hold is refused, not wrapped round to a few.
TEST(StampedRecords, ASizeBeyondTheAddressSpaceIsRefused) {
  planner::StampedRecords<Record> records;
  EXPECT_THROW(records.Resize(SIZE_MAX / 4), std::bad_alloc);
}
