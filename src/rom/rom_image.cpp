#include "rom/rom_image.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quarven {

namespace {
bool inRange(std::size_t size, std::uint32_t offset, std::size_t count) {
  return offset <= size && count <= size - offset;
}

bool fail(std::string* error, std::string reason) {
  if (error) *error = std::move(reason);
  return false;
}

// True for a regular file; otherwise false with the reason.
bool regularFile(const struct stat& st, std::string* error) {
  if (S_ISREG(st.st_mode)) return true;
  return fail(error, S_ISDIR(st.st_mode) ? "it is a folder" : "not a regular file");
}

// Looks at the path before opening it: a named pipe, socket or device is never opened at all, so
// nothing waits for the other end of a pipe and no device notices an open.
bool regularFileAt(const std::string& path, std::string* error) {
  if (path.empty()) return fail(error, "no file name");
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return fail(error, std::strerror(errno));
  return regularFile(st, error);
}

// Looks at what was actually opened (the path may name something else by now) and, for a regular
// file, turns the non-blocking open back into ordinary reads and writes.
bool openedRegularFile(int fd, struct stat& st, std::string* error) {
  if (::fstat(fd, &st) != 0) return fail(error, std::strerror(errno));
  if (!regularFile(st, error)) return false;
  const int status = ::fcntl(fd, F_GETFL);
  if (status < 0 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) return fail(error, std::strerror(errno));
  return true;
}
}  // namespace

bool MemoryRom::read(std::uint32_t offset, std::span<std::uint8_t> out) {
  if (!inRange(bytes_.size(), offset, out.size())) return false;
  std::memcpy(out.data(), bytes_.data() + offset, out.size());
  return true;
}

bool MemoryRom::write(std::uint32_t offset, std::span<const std::uint8_t> bytes) {
  if (!inRange(bytes_.size(), offset, bytes.size())) return false;
  std::memcpy(bytes_.data() + offset, bytes.data(), bytes.size());
  return true;
}

std::unique_ptr<FileRom> FileRom::open(const std::string& path, Mode mode, std::string* error) {
  if (!regularFileAt(path, error)) return nullptr;
  // O_NONBLOCK: a pipe put in the file's place since the look above must not hold the open up.
  const int flags = (mode == Mode::ReadWrite ? O_RDWR : O_RDONLY) | O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
  const int fd = ::open(path.c_str(), flags);
  if (fd < 0) {
    fail(error, std::strerror(errno));
    return nullptr;
  }
  struct stat st {};
  if (!openedRegularFile(fd, st, error)) {
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<FileRom>(new FileRom(fd, static_cast<std::size_t>(st.st_size), path));
}

FileRom::~FileRom() {
  ::close(fd_);
}

bool FileRom::read(std::uint32_t offset, std::span<std::uint8_t> out) {
  if (!inRange(size_, offset, out.size())) return false;
  std::size_t done = 0;
  while (done < out.size()) {
    const ssize_t n = ::pread(fd_, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool FileRom::write(std::uint32_t offset, std::span<const std::uint8_t> bytes) {
  if (!inRange(size_, offset, bytes.size())) return false;
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n =
        ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool FileRom::reserve(std::uint32_t offset, std::size_t count) {
  if (!inRange(size_, offset, count)) return false;
  if (count == 0) return true;
  const int error = ::posix_fallocate(fd_, static_cast<off_t>(offset), static_cast<off_t>(count));
  // A file system that cannot reserve ahead leaves the writes to find out.
  return error == 0 || error == EOPNOTSUPP || error == ENOSYS || error == EINVAL;
}

bool FileRom::atItsPath() const {
  struct stat opened {
  }, named{};
  return ::fstat(fd_, &opened) == 0 && ::stat(path_.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
         opened.st_ino == named.st_ino;
}

}  // namespace quarven
