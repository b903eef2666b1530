// json_report.cpp: the document built with nlohmann::json, keys in the order written here.
#include "study/json_report.h"

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

template <typename Number>
Json Value(const std::optional<Number>& value) {
  return value ? Json(*value) : Json(nullptr);
}

}  // namespace

void WriteJson(const StudyParameters& parameters, const std::vector<SideSummary>& sides,
               std::ostream& out) {
  const std::vector<std::string>& methods = parameters.methods;
  Json asked = {{"methods", methods},
                {"sides", parameters.sides},
                {"boards", parameters.boards},
                {"kind", parameters.kind}};
  if (parameters.files.empty()) {
    asked["seed"] = parameters.seed;
  } else {
    asked["files"] = parameters.files;
  }
  if (parameters.shards > 1) asked["shard"] = ShardName(parameters.shard, parameters.shards);
  Json summary = Json::array();
  unsigned failed = 0;
  for (const SideSummary& side : sides) {
    Json records = Json::array();
    for (size_t m = 0; m < side.methods.size(); ++m) {
      const MethodSummary& s = side.methods[m];
      failed += s.failed;
      records.push_back({{"method", methods[m]},
                         {"solved", s.solved},
                         {"failed", s.failed},
                         {"refused", s.refused},
                         {"mean_length", Value(s.meanLength)},
                         {"median_length", Value(s.medianLength)},
                         {"sd_length", Value(s.sdLength)},
                         {"min_length", Value(s.minLength)},
                         {"max_length", Value(s.maxLength)},
                         {"per_n3", Value(s.perCube)},
                         {"per_manhattan", Value(s.perManhattan)},
                         {"per_lower_bound", Value(s.perLowerBound)},
                         {"mean_ms", Value(s.meanMs)},
                         {"p95_ms", Value(s.p95Ms)}});
    }
    summary.push_back({{"side", side.side}, {"boards", side.boards}, {"methods", records}});
  }
  const Json document = {{"version", parameters.version},
                         {"parameters", asked},
                         {"summary", summary},
                         {"failed", failed}};
  // A file's name that is not UTF-8 cannot stand in JSON as it is; its odd bytes become U+FFFD.
  out << document.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
}
