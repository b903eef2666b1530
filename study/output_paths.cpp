// output_paths.cpp: checks by the file system's answers now; a study may run for hours, and a
// name that cannot be written should not be found only at its end.
#include "study/output_paths.h"

#include <unistd.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Why nothing can be made in the existing folder, or empty.
std::string FolderProblem(const fs::path& folder) {
  std::error_code error;
  if (!fs::is_directory(folder, error)) return "'" + folder.string() + "' is not a folder";
  if (access(folder.c_str(), W_OK | X_OK) != 0) {
    return "cannot write into the folder '" + folder.string() + "'";
  }
  return "";
}

}  // namespace

std::string OutputFileProblem(const std::string& path) {
  if (path.empty()) return "no file name";
  std::error_code error;
  const fs::path file(path);
  if (fs::is_directory(file, error)) return "'" + path + "' is a folder";
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  if (!fs::exists(folder, error)) return "the folder '" + folder.string() + "' does not exist";
  if (fs::exists(file, error) && access(path.c_str(), W_OK) != 0) {
    return "cannot write '" + path + "'";
  }
  return FolderProblem(folder);
}

std::string OutputFolderProblem(const std::string& path) {
  if (path.empty()) return "no folder name";
  std::error_code error;
  fs::path folder(path);
  // The folders that are missing are made when the first failure is written.
  while (!fs::exists(folder, error) && folder.has_parent_path() && folder != folder.parent_path()) {
    folder = folder.parent_path();
  }
  if (!fs::exists(folder, error)) folder = ".";
  return FolderProblem(folder);
}
