// scratch_folder.h: a test fixture with a folder of its own for the files a test writes.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

/// A fresh folder under the tests' temporary folder for each test, removed after it.
class ScratchFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = ::testing::TempDir() + "npuzzle_scratch_" + std::to_string(getpid());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  /// The path of the name in the folder.
  std::string Path(const std::string& name) const { return folder + "/" + name; }
  /// Writes the bytes to the name in the folder; returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
    return Path(name);
  }
  /// The bytes of the named file in the folder; empty when it cannot be read.
  std::string Read(const std::string& name) const {
    std::ifstream file(Path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
  }

  std::string folder;
};
