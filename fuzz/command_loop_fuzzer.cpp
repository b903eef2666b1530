// command_loop_fuzzer.cpp: any bytes as standard input to the whole command loop.
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "console/command_loop.h"
#include "fuzz/fuzz_checks.h"

namespace {

// Inputs longer than this are skipped: a run must stay short.
constexpr size_t MAX_INPUT = 512;

// The scratch folder, removed when the fuzzer ends as planned (a crash leaves it to be looked at).
char scratch[] = "/tmp/npuzzle_loop_fuzz_XXXXXX";

// The loop runs in a scratch folder of its own, with one sub-folder to load from and save into.
void EnterScratchFolder() {
  static bool entered = false;
  if (entered) return;
  if (mkdtemp(scratch) == nullptr || chdir(scratch) != 0) std::abort();
  mkdir("dir", 0755);
  std::atexit([] {
    std::error_code error;
    std::filesystem::remove_all(scratch, error);
  });
  entered = true;
}

// The input as the loop will read it, with two kinds of token tamed: a file name may only
// name a file of the scratch folder (letters and digits, at most eight, or the folder "dir"),
// and a number of random moves has at most four digits, so that no run writes outside the
// folder or spends minutes moving tiles.
std::string Tamed(const std::string& input) {
  std::istringstream tokens(input);
  std::string result, token, previous;
  while (tokens >> token) {
    if (previous == "load" || previous == "save" || previous == "dl") {
      std::string name;
      for (const char c : token) {
        if (std::isalnum(static_cast<unsigned char>(c)) && name.size() < 8) name += c;
      }
      token = name.empty() ? "f" : name;
    } else if (previous == "rmove" && token.size() > 4) {
      token.resize(4);
    }
    result += token;
    result += ' ';
    previous = token;
  }
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  if (size > MAX_INPUT) return 0;
  EnterScratchFolder();
  std::istringstream in(Tamed(std::string(reinterpret_cast<const char*>(data), size)));
  DiscardingStream out;
  CommandLoop loop(in, out);
  // The stream refuses output past its megabyte, which the loop must report as a failure.
  const int code = loop.Run();
  Require(code == (out ? 0 : 1), "the exit code does not say whether the output was written");
  CheckBoard(loop.CurrentBoard(), "after the session");
  return 0;
}
