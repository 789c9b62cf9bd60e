#pragma once
// Byte-level access to a ROM image. Load and save work on this interface; the file is only at
// the edge (FileRom), and tests use the memory-backed MemoryRom.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace quarven {

class RomImage {
 public:
  virtual ~RomImage() = default;
  // Number of bytes in the image.
  virtual std::size_t size() const = 0;
  // Reads out.size() bytes at a file offset. False (and nothing promised about out) when any of
  // them lies past the end or the read fails.
  virtual bool read(std::uint32_t offset, std::span<std::uint8_t> out) = 0;
  // Writes the bytes at a file offset, in place; never grows the image. False when the range
  // leaves the image or the write fails.
  virtual bool write(std::uint32_t offset, std::span<const std::uint8_t> bytes) = 0;

  // Makes sure that writing the range later cannot fail for want of disk space (a sparse file
  // needs blocks for its holes). Changes no byte. False when the space cannot be had; true where
  // there is nothing to reserve, or the file system cannot reserve ahead.
  virtual bool reserve(std::uint32_t /*offset*/, std::size_t /*count*/) { return true; }
  // False once the file it reads and writes is no longer the one its path names (another program
  // renamed a file over it, or removed it): writes made since reach no file the user opens.
  virtual bool atItsPath() const { return true; }

  // One byte; false past the end.
  bool readByte(std::uint32_t offset, std::uint8_t& value) { return read(offset, {&value, 1}); }
  bool writeByte(std::uint32_t offset, std::uint8_t value) { return write(offset, {&value, 1}); }
};

// A ROM image held in memory.
class MemoryRom : public RomImage {
 public:
  MemoryRom() = default;
  explicit MemoryRom(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  std::size_t size() const override { return bytes_.size(); }
  bool read(std::uint32_t offset, std::span<std::uint8_t> out) override;
  bool write(std::uint32_t offset, std::span<const std::uint8_t> bytes) override;
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  std::vector<std::uint8_t>& bytes() { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

// The one handle on the ROM image file: opened at the start of an operation and closed when the
// object goes (every path). Reads and writes go straight to the file at their offsets.
class FileRom : public RomImage {
 public:
  enum class Mode { ReadOnly, ReadWrite };
  // Opens an existing regular file; never creates one and never waits: a folder, a named pipe or
  // a device is refused without being opened. Null with a reason in error on failure.
  static std::unique_ptr<FileRom> open(const std::string& path, Mode mode, std::string* error = nullptr);
  ~FileRom() override;
  FileRom(const FileRom&) = delete;
  FileRom& operator=(const FileRom&) = delete;

  std::size_t size() const override { return size_; }
  bool read(std::uint32_t offset, std::span<std::uint8_t> out) override;
  bool write(std::uint32_t offset, std::span<const std::uint8_t> bytes) override;
  bool reserve(std::uint32_t offset, std::size_t count) override;
  bool atItsPath() const override;

 private:
  FileRom(int fd, std::size_t size, std::string path) : fd_(fd), size_(size), path_(std::move(path)) {}
  int fd_;
  std::size_t size_;
  std::string path_;
};

// Opens the ROM image that an operation works on. The window opens files; tests hand out memory.
class RomOpener {
 public:
  virtual ~RomOpener() = default;
  // Null with a reason in error when the image cannot be opened.
  virtual std::unique_ptr<RomImage> open(FileRom::Mode mode, std::string* error) = 0;
};

// Opens the file at a path.
class FileRomOpener : public RomOpener {
 public:
  explicit FileRomOpener(std::string path) : path_(std::move(path)) {}
  std::unique_ptr<RomImage> open(FileRom::Mode mode, std::string* error) override {
    return FileRom::open(path_, mode, error);
  }

 private:
  std::string path_;
};

}  // namespace quarven
