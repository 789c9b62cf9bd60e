#pragma once
// The signature check of an opened ROM image: the byte at 0x210, as hex text, must read "AF".

#include <cstdint>
#include <optional>
#include <string>

#include "rom/rom_image.h"

namespace quarven {

struct SignatureCheck {
  std::uint8_t byte = 0;  // 0 when the image is too short to hold it
  std::string hexText;    // what the hidden Label3 caption holds afterwards
  bool accepted = false;
  bool readFailed = false;  // the image is long enough to hold the byte, yet reading it failed
};

SignatureCheck checkSignature(RomImage& rom);

// The check of a chosen file: opens it read-only, reads the signature and closes it again. Nothing
// when the file cannot be opened (no name, missing, no access, not a regular file) or its byte
// cannot be read.
std::optional<SignatureCheck> checkRomFile(const std::string& path);

}  // namespace quarven
