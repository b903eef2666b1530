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

/// Reads the whole file when it is a regular file of at most MAX_FILE_BYTES. Neither opening nor
/// reading waits, so a FIFO, a device or a folder is refused at once, like a missing file.
FileRead ReadRegularFile(const std::string& fileName, std::string& text);

/// The file that the name leads to, its symbolic links followed as ReplaceFile follows them, also
/// to a file not made yet; the name itself for a loop of links or a name that cannot be looked at.
std::string LinkedFile(const std::string& fileName);

/// Makes the text the whole content of the named file, following a link. The saver's own file of
/// one name is replaced by a synced temporary file; one of several names, another user's, or one
/// in a folder closed to the saver is rewritten in place. False, the file as it was (but for a
/// failed in-place write), when it cannot be written.
bool ReplaceFile(const std::string& fileName, const std::string& text);
