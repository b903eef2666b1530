// output_paths.h: whether a study's files and folders can be written, asked before it runs.
#pragma once

#include <string>

/// Why a file cannot be written at the path, or empty when it can: the path names no folder,
/// and its folder exists and may be written into.
std::string OutputFileProblem(const std::string& path);

/// Why a folder cannot be used at the path, or empty when it can: it is a folder that may be
/// written into, or it is missing and the nearest existing folder above it may be written into.
std::string OutputFolderProblem(const std::string& path);
