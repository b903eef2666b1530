// time_left.h: how long a study still needs, from what its boards have cost so far.
#pragma once

#include <map>
#include <vector>

/// The time left of a study whose boards differ widely in cost. A board left at a side where
/// some are done is expected to cost their mean; at a side with none done, what a + b n^3 gives,
/// fitted through the smallest and the largest side done (b n^3 alone while only one is, or
/// when the cost grows faster; a alone when it falls). The
/// time left is the time passed times the expected cost left over the cost done, so that
/// threads working at once are taken into account.
class TimeLeft {
 public:
  /// sides: the side of each board of the study.
  explicit TimeLeft(const std::vector<unsigned>& sides);
  /// One board of that side is done; seconds is what solving it cost, in processor time.
  void Done(unsigned side, double seconds);
  /// The seconds left, given the seconds passed since the study began.
  double Seconds(double elapsed) const;

 private:
  struct Side {
    unsigned boards = 0;
    unsigned done = 0;
    double seconds = 0;
  };
  std::map<unsigned, Side> sides;
};
