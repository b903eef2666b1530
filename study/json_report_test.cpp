// json_report_test.cpp: each figure of the summary under its own name, and null where it has none.
#include "study/json_report.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

TEST(JsonReport, EachFigureUnderItsName) {
  const MethodSummary figures{1, 2, 3, 4.5, 5.5, 6.5, 7, 8, 9.5, 10.5, 11.5, 12.5, 13.5};
  MethodSummary none;
  none.failed = 4;
  std::ostringstream out;
  WriteJson({"1.0.0", {"solve", "solve2"}, {3}, 4, "random", 7, {}, 2, 5},
            {{3, 4, {figures, none}}}, out);
  EXPECT_EQ(nlohmann::json::parse(R"({"version": "1.0.0",
      "parameters": {"methods": ["solve", "solve2"], "sides": [3], "boards": 4, "kind": "random",
                     "seed": 7, "shard": "2/5"},
      "summary": [{"side": 3, "boards": 4, "methods": [
          {"method": "solve", "solved": 1, "failed": 2, "refused": 3, "mean_length": 4.5,
           "median_length": 5.5, "sd_length": 6.5, "min_length": 7, "max_length": 8,
           "per_n3": 9.5, "per_manhattan": 10.5, "per_lower_bound": 11.5, "mean_ms": 12.5,
           "p95_ms": 13.5},
          {"method": "solve2", "solved": 0, "failed": 4, "refused": 0, "mean_length": null,
           "median_length": null, "sd_length": null, "min_length": null, "max_length": null,
           "per_n3": null, "per_manhattan": null, "per_lower_bound": null, "mean_ms": null,
           "p95_ms": null}]}],
      "failed": 6})"),
            nlohmann::json::parse(out.str()));
}
