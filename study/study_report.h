// study_report.h: where a study's findings go: the table on the console, CSV and JSON files.
#pragma once

#include <ostream>
#include <string>

#include "study/study_parameters.h"
#include "study/study_record.h"

/// The files to write besides the table; an empty name writes none.
struct ReportFiles {
  std::string csv;
  std::string json;
};

/// Prints the summary table on out unless quiet, and writes the named CSV and JSON files. The
/// parameters name the results' methods in the same order.
/// False, with the file that could not be written in error.
bool ReportStudy(const StudyResults& results, const StudyParameters& parameters,
                 const ReportFiles& files, bool quiet, std::ostream& out, std::string& error);
