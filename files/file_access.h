// file_access.h: reading and writing the files a user names, without trusting what they are.
#pragma once

#include <cstddef>
#include <istream>
#include <streambuf>
#include <string>

/// The most that load reads of a file, and dl of a file's beginning: a 100 x 100 puzzle file
/// is under 2 MB.
constexpr size_t MAX_FILE_BYTES = size_t{64} << 20;

/// Reads the whole file when it is a regular file of at most MAX_FILE_BYTES. Opening never
/// waits, so a FIFO, a device or a folder is refused at once, like a missing file.
bool ReadRegularFile(const std::string& fileName, std::string& text);

/// A stream over the first MAX_FILE_BYTES of a regular file, opened as ReadRegularFile opens;
/// for anything else it is not open and reads nothing.
class RegularFileStream : public std::istream {
 public:
  explicit RegularFileStream(const std::string& fileName);
  ~RegularFileStream() override;
  /// True when the name is a regular file that could be opened.
  bool IsOpen() const { return buffer.descriptor >= 0; }

 private:
  class Buffer : public std::streambuf {
   public:
    int descriptor = -1;
    size_t left = MAX_FILE_BYTES;

   protected:
    int_type underflow() override;

   private:
    char bytes[1 << 16];
  };
  Buffer buffer;
};

/// Makes the text the whole content of the named file. A symbolic link is followed to the file
/// it names, which is created when missing. A file with one name is replaced by a temporary file
/// beside it, synced before the rename; one with several names is rewritten in place, so that
/// all of them keep showing the same file, after room for the text was reserved. False when the
/// file is no regular file, the user may not write it, or a step fails; the file is then as it
/// was, unless an in-place rewrite failed half-way (a write error after the reservation).
bool ReplaceFile(const std::string& fileName, const std::string& text);
