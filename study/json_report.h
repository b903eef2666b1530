// json_report.h: a study's parameters and summary table as a JSON document.
#pragma once

#include <ostream>
#include <vector>

#include "study/study_record.h"
#include "study/summary_table.h"

/// Writes {"version", "parameters", "summary", "failed"}: the program's version, how the study
/// was asked for (its methods' commands among it), a record per side with one per method
/// (figures without a value are null), and the number of failed solves.
void WriteJson(const StudyParameters& parameters, const std::vector<std::string>& methods,
               const std::vector<SideSummary>& sides, std::ostream& out);
