// The SAVE button: hands the window's texts, options and sample colours to the save core, which
// checks them, writes the selected team into the ROM image and reports through message boxes.

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

void Form1::Command1_Click() {
  FileRomOpener opener = romOpener();
  WindowMessenger messenger(this);
  save::runSave(opener, selectedTeam, saveInput(), messenger);
}

}  // namespace quarven::ui
