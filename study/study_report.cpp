// study_report.cpp: one summary for the table and the JSON document.
#include "study/study_report.h"

#include <fstream>

#include "study/csv_file.h"
#include "study/json_report.h"

namespace {

template <typename Write>
bool WriteFile(const std::string& fileName, Write write, std::string& error) {
  if (fileName.empty()) return true;
  std::ofstream file(fileName);
  write(file);
  file.close();
  if (file.fail()) error = "cannot write " + fileName;
  return !file.fail();
}

}  // namespace

bool ReportStudy(const StudyResults& results, const StudyParameters& parameters,
                 const ReportFiles& files, bool quiet, const TableChoice& table, std::ostream& out,
                 std::string& error) {
  const std::vector<SideSummary> sides = Summarize(results);
  if (!quiet) {
    const TableLayout layout =
        table.layout ? *table.layout : FittingLayout(results.methods, sides, table.screenColumns);
    WriteTable(results.methods, sides, layout, out);
  }
  return WriteFile(
             files.csv, [&](std::ostream& file) { WriteCsv(results, parameters, file); }, error) &&
         WriteFile(
             files.json, [&](std::ostream& file) { WriteJson(parameters, sides, file); }, error);
}
