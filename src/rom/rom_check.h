#pragma once
// The signature check of an opened ROM image: the byte at 0x210, as hex text, must read "AF".

#include <cstdint>
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

}  // namespace quarven
