// file_access.cpp: opening files without blocking, bounded reads, and saves that keep old files.
#include "files/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

// Closes the descriptor when it goes out of scope.
struct Descriptor {
  int number;
  ~Descriptor() {
    if (number >= 0) close(number);
  }
};

bool WriteAll(int descriptor, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t wrote =
        pwrite(descriptor, text.data() + done, text.size() - done, static_cast<off_t>(done));
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    done += static_cast<size_t>(wrote);
  }
  return true;
}

// Follows symbolic links from the name to the file they lead to, which need not exist yet;
// `exists` tells whether it does, and `status` is then its own. False for a loop of links, or a
// name that cannot be looked at.
bool FollowLinks(std::string& path, struct stat& status, bool& exists) {
  for (int links = 0; links <= 40; ++links) {
    if (lstat(path.c_str(), &status) != 0) {
      exists = false;
      return errno == ENOENT;
    }
    if (!S_ISLNK(status.st_mode)) {
      exists = true;
      return true;
    }
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(path, error);
    if (error) return false;
    // A relative target is relative to the link's folder; an absolute one replaces the path.
    path = (std::filesystem::path(path).parent_path() / target).string();
  }
  return false;
}

// Writes the file where it is, for a file that a new one renamed over it would not stand for (see
// ReplaceFile). The text is complete in memory and its room on the disk reserved first, so a
// full disk refuses the save before the old text is touched.
bool RewriteInPlace(const std::string& path, const struct stat& status, const std::string& text) {
  const Descriptor file{open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
  struct stat opened;
  if (file.number < 0 || fstat(file.number, &opened) != 0 || !S_ISREG(opened.st_mode) ||
      opened.st_dev != status.st_dev || opened.st_ino != status.st_ino) {
    return false;
  }
  if (!text.empty() &&
      fallocate(file.number, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(text.size())) != 0 &&
      errno != EOPNOTSUPP && errno != ENOSYS) {
    return false;
  }
  return WriteAll(file.number, text) &&
         ftruncate(file.number, static_cast<off_t>(text.size())) == 0 && fsync(file.number) == 0;
}

// Writes the text to a temporary file in the target's folder and renames it over the target, so
// that the target is either the old file or the whole new one. The temporary name is short, so
// that a target name of the longest length still works.
bool ReplaceByRename(const std::string& path, const std::string& folder,
                     const struct stat* existing, const std::string& text) {
  std::string tempName = folder + "/.npuzzle-XXXXXX";
  const int descriptor = mkstemp(tempName.data());
  if (descriptor < 0) return false;
  mode_t mode;
  if (existing != nullptr) {
    mode = existing->st_mode & 07777;
    // Root saving someone else's file leaves it theirs; for anyone else this changes nothing or
    // fails, and the new file is then theirs, as any file they create is.
    if (fchown(descriptor, existing->st_uid, existing->st_gid) != 0) {
    }
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode = 0666 & ~mask;
  }
  bool written =
      fchmod(descriptor, mode) == 0 && WriteAll(descriptor, text) && fsync(descriptor) == 0;
  if (close(descriptor) != 0) written = false;
  if (written && std::rename(tempName.c_str(), path.c_str()) != 0) written = false;
  if (!written) {
    unlink(tempName.c_str());
    return false;
  }
  // The rename is durable only once the folder is. Its failure is not reported: the new file is
  // already in place, and saying the save failed would be wrong.
  const Descriptor folderFile{open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
  if (folderFile.number >= 0) fsync(folderFile.number);
  return true;
}

// False for a name holding a NUL byte: every system call would cut it there and reach another
// file ("board.xml\0.bak" would overwrite board.xml).
bool Nameable(const std::string& name) {
  return name.find('\0') == std::string::npos;
}

}  // namespace

FileRead ReadRegularFile(const std::string& fileName, std::string& text) {
  // Anything but a regular file is refused before it is opened, as opening some devices does
  // something (a tape rewinds). O_NONBLOCK, because opening a FIFO without a writer, swapped in
  // after that look, would wait for one for ever; what was opened is looked at once more.
  // O_NONBLOCK stays on: a regular file ignores it, and a pseudo-file that looks like one
  // (/proc/kmsg) would wait in read() as a FIFO waits in open().
  struct stat status;
  if (!Nameable(fileName) || stat(fileName.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
    return FileRead::NO_REGULAR_FILE;
  }
  const Descriptor file{open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
  if (file.number < 0 || fstat(file.number, &status) != 0 || !S_ISREG(status.st_mode)) {
    return FileRead::NO_REGULAR_FILE;
  }
  if (static_cast<unsigned long long>(status.st_size) > MAX_FILE_BYTES) return FileRead::UNREADABLE;
  // The size is only a hint, as the file may grow: reading stops one byte past the limit. The
  // room is taken at once, so that the text does not pass through copies of twice its size.
  text.clear();
  text.reserve(static_cast<size_t>(status.st_size) + 1);
  char bytes[1 << 16];
  ssize_t got = 0;
  while (text.size() <= MAX_FILE_BYTES) {
    got = read(file.number, bytes, sizeof bytes);
    if (got > 0) {
      text.append(bytes, static_cast<size_t>(got));
    } else if (got == 0 || errno != EINTR) {
      break;
    }
  }
  return got == 0 && text.size() <= MAX_FILE_BYTES ? FileRead::READ : FileRead::UNREADABLE;
}

std::string LinkedFile(const std::string& fileName) {
  std::string path = fileName;
  struct stat status;
  bool exists = false;
  return FollowLinks(path, status, exists) ? path : fileName;
}

bool ReplaceFile(const std::string& fileName, const std::string& text) {
  std::string path = fileName;
  struct stat status;
  bool exists = false;
  if (!Nameable(fileName) || !FollowLinks(path, status, exists)) return false;
  const std::string parent = std::filesystem::path(path).parent_path().string();
  const std::string folder = parent.empty() ? "." : parent;
  if (exists) {
    // Renaming needs only the folder's permission, so the file's own is asked for here: a
    // read-only file stays read-only. Root may write any file, and does.
    if (!S_ISREG(status.st_mode) || faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
      return false;
    }
    // A new file renamed over it would leave its other names on the old text, would be the
    // saver's rather than its owner's (and in a folder with the sticky bit could not be renamed),
    // or could not be made in a folder closed to the saver: such a file is written where it is.
    if (status.st_nlink > 1 || (geteuid() != 0 && status.st_uid != geteuid()) ||
        faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
      return RewriteInPlace(path, status, text);
    }
  }
  return ReplaceByRename(path, folder, exists ? &status : nullptr, text);
}
