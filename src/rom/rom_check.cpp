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

}  // namespace quarven
