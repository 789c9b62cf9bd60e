#include "rom/rom_check.h"

#include "rom/codecs.h"
#include "rom/rom_layout.h"

namespace quarven {

SignatureCheck checkSignature(RomImage& rom) {
  SignatureCheck check;
  if (!rom.readByte(layout::kSignatureOffset, check.byte)) {
    check.byte = 0;
    check.readFailed = rom.size() > layout::kSignatureOffset;
  }
  check.hexText = codec::hexText(check.byte);
  check.accepted = check.hexText == codec::hexText(layout::kSignatureValue);
  return check;
}

std::optional<SignatureCheck> checkRomFile(const std::string& path) {
  const std::unique_ptr<FileRom> rom = FileRom::open(path, FileRom::Mode::ReadOnly);
  if (!rom) return std::nullopt;
  SignatureCheck check = checkSignature(*rom);
  if (check.readFailed) return std::nullopt;
  return check;
}

}  // namespace quarven
