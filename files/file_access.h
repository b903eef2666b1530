// file_access.h: reading and writing the files a user names, without trusting what they are.
#pragma once

#include <cstddef>
#include <string>

/// The largest file load and dl read: a 100 x 100 puzzle file is under 2 MB, so it fits eight
/// times over, however generously a user's editor indents it.
constexpr size_t MAX_FILE_BYTES = size_t{16} << 20;

/// What became of reading a file.
enum class FileRead {
  READ,             ///< the whole file is in the text
  NO_REGULAR_FILE,  ///< missing, no regular file (a FIFO, a device, a folder), or not openable
  UNREADABLE,       ///< a regular file above MAX_FILE_BYTES, or one whose reading failed
};

/// Reads the whole file when it is a regular file of at most MAX_FILE_BYTES. Opening never
/// waits, so a FIFO, a device or a folder is refused at once, like a missing file.
FileRead ReadRegularFile(const std::string& fileName, std::string& text);

/// Makes the text the whole content of the named file. A symbolic link is followed to the file
/// it names, which is created when missing. A file with one name is replaced by a temporary file
/// beside it, synced before the rename; one with several names is rewritten in place, so that
/// all of them keep showing the same file, after room for the text was reserved. False when the
/// file is no regular file, the user may not write it, or a step fails; the file is then as it
/// was, unless an in-place rewrite failed half-way (a write error after the reservation).
bool ReplaceFile(const std::string& fileName, const std::string& text);
