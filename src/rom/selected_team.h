#pragma once
// The selected-team state: written by team load, read by SAVE. Every save works on the team loaded
// last. Places are numbers (file offsets; `playeraddress` is the 1-based position F + 1).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "rom/colour_slots.h"
#include "rom/known_bytes.h"
#include "rom/rom_layout.h"
#include "rom/team_name_block.h"
#include "rom/unfinished_writes.h"

namespace quarven {

struct SelectedTeam {
  bool loaded = false;  // false until the first team load
  int teamIndex = -1;
  std::string fullName;  // the caption of Label4
  int abbrevLength = 0;  // maximum length of Text12

  std::int16_t playercount = 0;
  std::int16_t playerletterlimit = 0;  // the record budget
  std::uint32_t playeraddress = 0;     // position of the first player record, F + 1
  std::uint32_t homecoloraddress = 0;  // file offset of the home palette
  std::uint32_t awaycoloraddress = 0;  // file offset of the away palette
  std::uint32_t abbrevaddress = 0;     // file offset B of the abbreviation field
  // The abbreviation field as read, so an abbreviation the user did not edit goes back byte for
  // byte (a byte outside the set shows as hex text, which would not encode back to it).
  std::array<std::uint8_t, layout::kAbbrevFieldSize> abbrevBytes{};

  // Team names 0..27 of the team-name block (28: what followed the 28th terminator), as text, and
  // the bytes each was read from, so names the user did not edit go back byte for byte.
  TeamNames teamname;
  TeamNameBytes teamnameBytes;
  // The selected team's name as the load read it. With team-name change on, the block and pointer
  // table are written only when the name differs from it, or once a SAVE since the load wrote them
  // (`teamNamesWritten`): a block the editor did not lay out stays as it is until then.
  std::vector<std::uint8_t> teamnameLoaded;
  bool teamNamesWritten = false;

  // Per roster row read at load: the name as shown and the bytes it was read from, so a name the
  // user did not edit goes back byte for byte (a byte outside the player-name set shows as hex text,
  // which would not encode back to it).
  std::array<std::string, layout::kMaxPlayers> playernameText;
  std::array<std::vector<std::uint8_t>, layout::kMaxPlayers> playernameBytes;
  // Per roster row the jersey number byte as read: a number box still showing its hex text goes back
  // as this byte, and a roster whose names and numbers are all unedited is not written at all.
  std::array<std::uint8_t, layout::kMaxPlayers> playernumberBytes{};
  // True once a SAVE since the load wrote the player record block: the image then holds the roster
  // as the window had it, so every later SAVE writes the block again, also when the window shows
  // what the load read.
  bool rosterWritten = false;

  // The bytes at every place a SAVE may write, as the load read them and the SAVEs since wrote them:
  // a SAVE asks before it overwrites what another program changed there.
  KnownBytes onDisk;
  // What SAVEs of this load that failed part way could not put back: the places it lies in are half
  // written, and every later SAVE writes them in full until one has written all of it.
  UnfinishedWrites unfinished;

  // The colour words of the colour slots as read, 0..9 home and 10..19 away, so a slot the user did
  // not recolour goes back byte for byte: a word the colour key table has no row for, or whose
  // colour the colour word table turns into another word, would not come back from its colour.
  ColourSlots<std::uint16_t> colourWords{};

  // The line slot bytes as read, by line and box index (box 0 = RW, or C on a penalty-kill line),
  // so a slot that points at no player of the roster goes back as it was unless the user retypes it.
  std::array<std::array<std::uint8_t, 5>, layout::kLineCount> lineSlotBytes{};

  // playerextra[j][row]: carried byte j + 1 (playerextra1..playerextra7) of roster row `row`.
  std::array<std::array<std::uint8_t, layout::kMaxPlayers>, layout::kCarriedBytes> playerextra{};

  // False when the record walk at load met a record it could not read; SAVE then refuses the team,
  // as it could not write back what it could not read. `recordsProblem` says which row and why.
  bool recordsReadable = true;
  std::string recordsProblem;

  std::uint32_t firstRecord() const { return playeraddress - 1; }
  bool operator==(const SelectedTeam&) const = default;
};

}  // namespace quarven
