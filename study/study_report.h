// study_report.h: where a study's findings go: the table on the console, CSV and JSON files.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "study/study_parameters.h"
#include "study/study_record.h"
#include "study/summary_table.h"

/// The files to write besides the table; an empty name writes none.
struct ReportFiles {
  std::string csv;
  std::string json;
};

/// The table's layout: the one asked for or, when none was, the wide one unless it is wider than
/// the screen's columns (0 when out is no screen, or one of unknown width).
struct TableChoice {
  std::optional<TableLayout> layout;
  unsigned screenColumns = 0;
};

/// Prints the table as chosen, unless quiet, and writes the named CSV and JSON files; false,
/// with the file that could not be written in error.
bool ReportStudy(const StudyResults& results, const StudyParameters& parameters,
                 const ReportFiles& files, bool quiet, const TableChoice& table, std::ostream& out,
                 std::string& error);
