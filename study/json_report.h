// json_report.h: a study's parameters and summary table as a JSON document.
#pragma once

#include <ostream>
#include <vector>

#include "study/study_parameters.h"
#include "study/summary_table.h"

/// Writes {"version", "parameters", "summary", "failed"}: the version of the program that ran
/// the study, how it was asked for (its methods' commands among it), a record per side with one
/// per method, named by its command (figures without a value are null; the lengths' spread as
/// median_length, sd_length (the sample standard deviation), min_length and max_length), and the
/// number of failed solves.
void WriteJson(const StudyParameters& parameters, const std::vector<SideSummary>& sides,
               std::ostream& out);
