// time_left.h: how long a study still needs, from what its boards have cost so far.
#pragma once

#include <map>
#include <vector>

/// The time left of a study: the time passed, scaled by the cost of the boards left (their side's
/// mean so far, or a + b n^3) over the cost of those done.
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
