// json_report.h: a study's parameters and summary table as a JSON document.
#pragma once

#include <ostream>
#include <vector>

#include "study/study_parameters.h"
#include "study/summary_table.h"

/// Writes {"version", "parameters", "summary", "failed"}: a record per side with one per
/// method (null for a figure without a value), and the count of failed solves.
void WriteJson(const StudyParameters& parameters, const std::vector<SideSummary>& sides,
               std::ostream& out);
