// study_program_test.cpp: npuzzle-study run as a user runs it: its files checked against each
// other, and what it refuses.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "files/plain_board_file.h"
#include "files/xml_puzzle_file.h"
#include "study/lower_bound.h"
#include "study/seeded_boards.h"
#include "test_support/scratch_folder.h"

namespace {

struct StudyRun {
  std::string out;
  std::string err;
  int exitCode = -1;
};

class StudyProgram : public ScratchFolder {
 protected:
  // Runs npuzzle-study with the arguments, in the test's folder, with the environment's
  // variables ("NAME=value ...") added.
  StudyRun Run(const std::string& arguments, const std::string& environment = "") {
    const int status =
        std::system(("cd '" + folder + "' && " + environment + " '" NPUZZLE_STUDY_BINARY "' " +
                     arguments + " >stdout.txt 2>stderr.txt")
                        .c_str());
    return {Read("stdout.txt"), Read("stderr.txt"), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
  }

  // Each run must end with exit code 2 and the message, before it solves or writes anything.
  void ExpectRefusals(const std::vector<std::pair<std::string, std::string>>& cases) {
    for (const auto& [arguments, message] : cases) {
      const StudyRun run = Run(arguments);
      EXPECT_EQ(2, run.exitCode) << arguments;
      EXPECT_EQ("", run.out) << arguments;
      EXPECT_NE(std::string::npos, run.err.find(message)) << arguments << "\n" << run.err;
    }
  }
};

// The fields of the CSV file's rows; lines starting with '#' before the header are the study's
// description.
std::vector<std::vector<std::string>> CsvRows(const std::string& csv) {
  std::istringstream lines(csv);
  std::string line;
  while (std::getline(lines, line) && line.rfind('#', 0) == 0) {
  }
  EXPECT_EQ("side,kind,seed,index,file,method,status,length,optimized,manhattan,lower_bound,ms",
            line);
  std::vector<std::vector<std::string>> rows;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    rows.emplace_back();
    for (std::string field; std::getline(fields, field, ',');) rows.back().push_back(field);
    EXPECT_EQ(12u, rows.back().size()) << line;
    if (rows.back().size() != 12) rows.pop_back();
  }
  return rows;
}

}  // namespace

// The JSON summary is what the CSV rows give: a merge of the CSV file alone, which has nothing
// else, writes the very same document (the figures from given outcomes: summary_table_test.cpp,
// json_report_test.cpp).
TEST_F(StudyProgram, TheJsonSummaryIsWhatTheCsvRowsGive) {
  for (const std::string study : {"--methods solve,solve2 --sides 3,4,6 --boards 3 --jobs 2",
                                  "--methods solve2 solve3, solve --sides 5 --boards 1"}) {
    ASSERT_EQ(0, Run(study + " --quiet --csv s.csv --json s.json").exitCode) << study;
    ASSERT_EQ(0, Run("merge s.csv --quiet --json m.json").exitCode) << study;
    EXPECT_EQ(Read("s.json"), Read("m.json")) << study;
  }
  // Methods named by commas, by words or both come in the order given; an empty name is skipped.
  std::vector<std::string> methods;
  for (const std::vector<std::string>& row : CsvRows(Read("s.csv"))) methods.push_back(row[5]);
  EXPECT_EQ((std::vector<std::string>{"solve2", "solve3", "solve"}), methods);
}

// Each of these is found before the first board is solved: no table, no file, exit code 2.
TEST_F(StudyProgram, BadOptionsAreRefusedBeforeAnyBoardIsSolved) {
  Write("a_file", "");
  std::filesystem::create_symlink("target", Path("link"));  // to a file not made yet
  std::filesystem::create_symlink("loop", Path("loop"));
  std::filesystem::create_symlink("a_file/study.csv", Path("through"));  // never a file
  ASSERT_EQ(0, mkfifo(Path("pipe").c_str(), 0600));  // read, so that a study would not wait
  const int reader = open(Path("pipe").c_str(), O_RDONLY | O_NONBLOCK);
  const std::string study = " --sides 3 --boards 1";
  ExpectRefusals({
      {"--methods , --sides 3 --boards 1", "npuzzle-study: --methods: ',' names no method"},
      {"--methods solve,nope" + study, "npuzzle-study: no method 'nope'"},
      {"--seed -1" + study, "--seed: '-1' is not a whole number from 0 to 18446744073709551615"},
      {"--seed 18446744073709551616" + study, "--seed: '18446744073709551616' is not a whole"},
      {"--csv missing/study.csv" + study, "--csv: the folder 'missing' does not exist"},
      {"--csv ." + study, "--csv: '.' is a folder"},
      {"--failures a_file" + study, "--failures: 'a_file' is not a folder"},
      {"--failures a_file/deeper" + study, "--failures: 'a_file' is not a folder"},
      {"--csv same --json same" + study, "npuzzle-study: --csv and --json name the same file"},
      {"--csv same --json ./same" + study, "npuzzle-study: --csv and --json name the same file"},
      {"--from a_file --json a_file",
       "npuzzle-study: --json would overwrite a_file, which is read"},
      {"--csv link --json target" + study, "npuzzle-study: --csv and --json name the same file"},
      {"--csv pipe --json pipe" + study, "npuzzle-study: --csv and --json name the same file"},
      {"--csv through" + study, "--csv: cannot write 'through'"},
      {"--from missing --csv missing", "npuzzle-study: missing: cannot be opened"},
      {"--seed 0x10" + study, "--seed: '0x10' is not a whole number"},
      {"merge any.csv --json missing/merged.json", "--json: the folder 'missing' does not exist"},
      {"merge loop", "npuzzle-study: loop: cannot be read"},
      {"--table tall" + study, "--table: tall not in {wide,long}"},
      {"board --side 2", "--side: '2' is not a whole number from 3 to 100"},
      {"board --side 101", "--side: '101' is not a whole number from 3 to 100"},
      {"board --kind near", "--side is required"},
      {"board --side 5 --kind file", "--kind: 'file' is not a kind of board: random, near or"},
      {"board --side 5 --kind mixed", "--kind: 'mixed' is not a kind of board"},
      {"board --side 5 --index -1", "--index: '-1' is not a whole number from 0 to 999999"},
      {"board --side 5 --xml missing/b.xml", "--xml: the folder 'missing' does not exist"},
      {"board --side 5 --plain .", "--plain: '.' is a folder"},
      {"board --side 5 --xml b.xml --plain b.txt", "--xml excludes --plain"},
      {"--sides 5 board --side 5", "board excludes --sides"},
  });
  EXPECT_FALSE(std::filesystem::exists(folder + "/b.xml"));
  EXPECT_FALSE(std::filesystem::exists(folder + "/same"));
  EXPECT_EQ("", Read("a_file"));
  EXPECT_EQ(0, Run("--sides 3 --boards 1 --quiet --seed 18446744073709551615").exitCode);
  close(reader);
}

// merge takes only every shard of one study, each once, from one program version (what the merge
// writes: StudyRunner.ShardsMergedGiveWhatOneRunGave).
TEST_F(StudyProgram, MergeRefusesAnythingButEveryShardOfOneStudy) {
  const std::string study = "--methods solve --sides 3,4 --boards 3 --quiet";
  for (const char* shard : {"1", "2", "3", "4"}) {
    ASSERT_EQ(0, Run(study + " --shard " + shard + "/4 --csv s" + shard + ".csv").exitCode);
  }
  ASSERT_EQ(0, Run(study + " --seed 2 --shard 4/4 --csv seed2.csv").exitCode);
  ASSERT_EQ(0, Run(study + " --shard 01/3 --csv third.csv").exitCode);
  EXPECT_NE(std::string::npos, Read("third.csv").find("\n# shard: 1/3\n"));
  ASSERT_EQ(0, Run(study + " --csv whole.csv").exitCode);
  const std::string first = Read("s1.csv");
  const size_t header = first.find("side,");
  Write("older.csv", first.substr(header));
  const size_t version = first.find("# version: ") + 11;
  Write("version.csv",
        std::string(first).replace(version, first.find('\n', version) - version, "0.9"));
  Write("cut.csv", first.substr(0, first.rfind('\n', first.size() - 2) + 1));
  Write("many.csv", std::string(first).replace(first.find("1/4"), 3, "1/1000"));
  // A length that no solve has: a million of them would wrap the sums round.
  const size_t length = first.find(",solved,") + 8;
  Write("huge.csv", std::string(first).replace(length, first.find(',', length) - length,
                                               "18446744073709551615"));
  const std::string merge = "merge ", into = " --csv merged.csv";
  ExpectRefusals({
      {merge + "s1.csv s2.csv s3.csv" + into, "npuzzle-study: shard 4/4 is missing\n"},
      {merge + "s3.csv s1.csv" + into, "npuzzle-study: shards 2/4, 4/4 are missing\n"},
      {merge + "s1.csv s2.csv s3.csv s4.csv s2.csv" + into,
       "npuzzle-study: shard 2/4 is there twice: s2.csv"},
      {merge + "s1.csv s2.csv s3.csv seed2.csv" + into,
       "npuzzle-study: s1.csv and seed2.csv come from different studies: they differ in seed "
       "(1 and 2)\n"},
      {merge + "s1.csv third.csv" + into,
       "come from different studies: one is shard 1/4, the other 1/3\n"},
      {merge + "s2.csv version.csv s3.csv s4.csv" + into,
       "npuzzle-study: s2.csv and version.csv come from different program versions"},
      {merge + "cut.csv s2.csv s3.csv s4.csv" + into,
       "npuzzle-study: cut.csv: its rows are not the boards of shard 1/4 of the study"},
      {merge + "whole.csv s1.csv" + into,
       "come from different studies: one is shard 1/1, the other 1/4\n"},
      {merge + "older.csv" + into,
       "npuzzle-study: older.csv: no description of the study before the header"},
      {merge + "huge.csv s2.csv s3.csv s4.csv" + into,
       "npuzzle-study: huge.csv: line 9: bad length or distance\n"},
      {merge + "many.csv" + into,
       "npuzzle-study: shards 2/1000, 3/1000, 4/1000, 5/1000, 6/1000, 7/1000, 8/1000, 9/1000, "
       "10/1000, 11/1000 and 989 more are missing\n"},
      {merge + "s1.csv s2.csv s3.csv s4.csv --csv s2.csv",
       "npuzzle-study: --csv would overwrite s2.csv, which is read"},
  });
  EXPECT_FALSE(std::filesystem::exists(folder + "/merged.csv"));
  const StudyRun all = Run("merge s4.csv s2.csv s1.csv s3.csv --csv merged.csv");
  EXPECT_EQ(0, all.exitCode) << all.err;
}

// The files' names, whatever their characters, come back through the shards to the merge; a name
// with '#' is quoted, so that a reader taking '#' for a comment reads the row whole, and a quote
// in a name is doubled.
TEST_F(StudyProgram, AStudyOfFilesMergesWithItsNames) {
  const std::vector<std::string> names = {"a#b.txt", "c,%\"d.txt", "plain.txt"};
  std::string from;
  for (const std::string& name : names) {
    Write(name, "1 2 3\n4 5 6\n7 0 8\n");
    from += " '" + name + "'";
  }
  for (const char* shard : {"1", "2"}) {
    const std::string arguments = "--methods solve2 --quiet --from" + from;
    ASSERT_EQ(0, Run(arguments + " --shard " + shard + "/2 --csv f" + shard + ".csv").exitCode);
  }
  EXPECT_NE(std::string::npos, Read("f1.csv").find("# files: a#b.txt,c%2C%25\"d.txt,plain.txt\n"));
  EXPECT_NE(std::string::npos, Read("f1.csv").find("\n3,file,,0,\"a#b.txt\",solve2,solved,"));
  const StudyRun merged = Run("merge f2.csv f1.csv --quiet --json files.json");
  ASSERT_EQ(0, merged.exitCode) << merged.err;
  const nlohmann::json document = nlohmann::json::parse(Read("files.json"));
  EXPECT_EQ(names, document.at("parameters").at("files").get<std::vector<std::string>>());
  std::string edited = Read("f1.csv");  // rows of a side that the description does not name
  for (size_t at; (at = edited.find("\n3,file,")) != edited.npos;) edited[at + 1] = '4';
  Write("f4.csv", edited);
  EXPECT_NE(std::string::npos, Run("merge f2.csv f4.csv").err.find("rows are not the boards"));
}

// The board that a row of a CSV file names, written by `board` in each of its forms and read back
// by the readers of load and dl, is the board the study solved for that row.
TEST_F(StudyProgram, BoardWritesTheBoardThatACsvRowNames) {
  ASSERT_EQ(0, Run("--methods solve --kind mixed --sides 4,7 --boards 3 --seed 5 --quiet --csv "
                   "rows.csv")
                   .exitCode);
  std::set<std::string> kinds;
  for (const std::vector<std::string>& f : CsvRows(Read("rows.csv"))) {
    kinds.insert(f[1]);
    BoardName name{static_cast<unsigned>(std::stoul(f[0])), BoardKind::FILE, std::stoull(f[2]),
                   static_cast<unsigned>(std::stoul(f[3])), ""};
    ASSERT_TRUE(ParseKind(f[1], name.kind)) << f[1];
    const std::string board =
        "board --side " + f[0] + " --kind " + f[1] + " --seed " + f[2] + " --index " + f[3];
    for (const char* form : {" --xml b.xml", " --plain b.txt", ""}) {
      const StudyRun run = Run(board + form);
      ASSERT_EQ(0, run.exitCode) << board << form << "\n" << run.err;
      Board read;
      std::ostringstream said;
      std::istringstream out(run.out);
      ASSERT_TRUE(form == std::string(" --xml b.xml") ? LoadXmlFile(read, folder + "/b.xml", said)
                  : form == std::string(" --plain b.txt")
                      ? LoadPlainFile(read, folder + "/b.txt", said)
                      : ReadPlainBoard(read, out, said))
          << board << form;
      EXPECT_EQ(GenerateBoard(name).tiles, read.tiles) << board << form;
      EXPECT_EQ(f[9], std::to_string(read.ManhattanDistance())) << board << form;
      EXPECT_EQ(f[10], std::to_string(LowerBound(read))) << board << form;
    }
  }
  EXPECT_EQ(3u, kinds.size());
}

// Output to a file keeps the wide table unless the long one is asked for, whatever COLUMNS says;
// the long one is the same in a study and in a merge (its width: summary_table_test.cpp).
TEST_F(StudyProgram, TheTableIsWideOrLong) {
  const StudyRun study =
      Run("--methods solve,solve2 --sides 3,5 --boards 3 --csv t.csv --table long");
  ASSERT_EQ(0, study.exitCode) << study.err;
  const StudyRun merged = Run("merge t.csv --table long"), wide = Run("merge t.csv --table wide"),
                 unasked = Run("merge t.csv", "COLUMNS=40");
  EXPECT_EQ(study.out, merged.out);
  EXPECT_EQ(wide.out, unasked.out);
  EXPECT_EQ(0u, wide.out.find(" side  boards | solve   solved ")) << wide.out;
  const std::string header = study.out.substr(0, study.out.find('\n'));
  std::istringstream words(header);
  const std::vector<std::string> columns{std::istream_iterator<std::string>(words), {}};
  EXPECT_EQ((std::vector<std::string>{"side", "method", "solved", "mean", "median", "sd", "min",
                                      "max", "/n^3", "/dist", "/bound", "ms", "p95", "ms"}),
            columns);
}

// Numbers are decimal however they are written; the files are written before the table, and a
// table that cannot be written is an error, not a success.
TEST_F(StudyProgram, NumbersAreDecimalAndTheFilesComeBeforeTheTable) {
  ASSERT_EQ(0,
            Run("--methods solve --sides 3 --boards 010 --seed 010 --quiet --csv z.csv").exitCode);
  EXPECT_NE(std::string::npos, Read("z.csv").find("# boards: 10\n# kind: random\n# seed: 10\n"));
  EXPECT_EQ(10u, CsvRows(Read("z.csv")).size());
  const int status = std::system(("cd '" + folder + "' && '" NPUZZLE_STUDY_BINARY "'" +
                                  " --methods solve --sides 3 --boards 1 --csv full.csv >/dev/full "
                                  "2>stderr.txt")
                                     .c_str());
  EXPECT_EQ(2, WIFEXITED(status) ? WEXITSTATUS(status) : -1);
  EXPECT_EQ("npuzzle-study: cannot write the table to standard output\n", Read("stderr.txt"));
  for (const char* text : {"--help", "--version"}) {
    EXPECT_NE(
        0, std::system(
               ("'" NPUZZLE_STUDY_BINARY "' " + std::string(text) + " >/dev/full 2>&1").c_str()));
  }
  EXPECT_EQ(1u, CsvRows(Read("full.csv")).size());
  // A file that cannot be written costs neither the other file nor the table.
  const StudyRun lost = Run("--methods solve --sides 3 --boards 1 --csv /dev/full --json j.json");
  EXPECT_EQ(2, lost.exitCode);
  EXPECT_EQ("npuzzle-study: cannot write /dev/full\n", lost.err);
  EXPECT_NE(std::string::npos, lost.out.find(" side  boards |"));
  EXPECT_NE(std::string::npos, Read("j.json").find("\"summary\""));
  // A file that standard output already is gets the text in turn, before the table.
  const StudyRun piped = Run("--methods solve --sides 3 --boards 1 --csv /dev/stdout");
  EXPECT_EQ(0, piped.exitCode) << piped.err;
  EXPECT_EQ(0u, piped.out.find("# version: ")) << piped.out;
  EXPECT_LT(piped.out.find("\n3,random,1,0,,solve,solved,"), piped.out.find(" side  boards |"));
}

// A shard's file as an editor may save it, with a byte order mark, \r\n line ends and a blank
// last line, merges.
TEST_F(StudyProgram, MergeTakesWindowsLineEndsAndABlankLastLine) {
  ASSERT_EQ(0, Run("--methods solve --sides 3,4 --boards 2 --quiet --csv s.csv").exitCode);
  std::string edited = "\xEF\xBB\xBF";
  for (const char c : Read("s.csv")) edited += c == '\n' ? std::string("\r\n") : std::string(1, c);
  Write("edited.csv", edited + "\r\n");
  const StudyRun merged = Run("merge edited.csv --quiet --csv m.csv");
  ASSERT_EQ(0, merged.exitCode) << merged.err;
  EXPECT_EQ(Read("s.csv"), Read("m.csv"));
}
