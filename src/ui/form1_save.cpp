// The SAVE button: hands the window's texts, options and sample colours to the save core, which
// checks them, writes the selected team into the ROM image and reports through message boxes.

#include <QPushButton>

#include "save/save_pipeline.h"
#include "ui/form1.h"
#include "ui/text_box.h"
#include "ui/uniform_tabs.h"
#include "ui/window_messenger.h"

namespace quarven::ui {

namespace {
std::string textOf(const TextBox* box) {
  return box->text().toStdString();
}

constexpr const char* kLeaveHalfWritten =
    "A save of this team failed part way and what it had written could not be put back: the team's data "
    "in the ROM image is half written. Press SAVE again to finish it before you leave this team; once "
    "you leave, the editor can no longer finish it. Leave the team anyway?";
}  // namespace

save::SaveInput Form1::saveInput() const {
  save::SaveInput input;
  input.teamNameText = textOf(Text10);
  input.teamNameChangeOn = Text10->isEnabled();
  input.abbrevText = textOf(Text12);
  input.abbrevChangeOn = Text12->isEnabled();
  for (int row = 0; row < kPlayerRows; ++row) {
    input.numberTexts[row] = textOf(Text0[row]);
    input.nameTexts[row] = textOf(Text1[row]);
  }
  for (int line = 0; line < kLines; ++line) {
    const auto boxes = lineSlots(line);
    for (std::size_t box = 0; box < boxes.size(); ++box) {
      input.lineTexts[line][box] = textOf(boxes[box]);
      input.lineEdited[line][box] = boxes[box]->userEdited();
    }
  }
  for (int slot = 0; slot < kSlotCount; ++slot) {
    input.sampleColours[slot] = SSTab1->sampleColour(slot);
    input.recoloured[slot] = SSTab1->recoloured(slot);
  }
  return input;
}

bool Form1::mayLeaveTeam() {
  if (selectedTeam.unfinished.empty() || Command1->isHidden()) return true;
  WindowMessenger messenger(this);
  return messenger.ask(kLeaveHalfWritten);
}

void Form1::Command1_Click() {
  FileRomOpener opener = romOpener();
  WindowMessenger messenger(this);
  save::runSave(opener, selectedTeam, saveInput(), messenger);
}

}  // namespace quarven::ui
