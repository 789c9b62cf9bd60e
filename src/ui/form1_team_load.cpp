// Team load: a click on a team button reads that team from the ROM image into the window and
// makes it the selected team.

#include <QLabel>

#include "colours/colour_model.h"
#include "rom/team_load.h"
#include "ui/form1.h"
#include "ui/text_box.h"
#include "ui/uniform_tabs.h"

namespace quarven::ui {

namespace {

QString text(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

}  // namespace

void Form1::Toolbar1_ButtonClick(const QString& key) {
  if (rompath.isEmpty()) return;  // no image accepted yet: the buttons are hidden, nothing to read
  if (!mayLeaveTeam()) return;
  std::array<std::string, layout::kMaxPlayers> shownNumbers;
  for (int row = 0; row < kPlayerRows; ++row) shownNumbers[row] = Text0[row]->text().toStdString();

  FileRomOpener opener = romOpener();
  const TeamLoadResult result = loadTeam(opener, key.toStdString(), selectedTeam, shownNumbers);
  switch (result.outcome) {
    case TeamLoadOutcome::Failed:
      showEditorMessage(text(result.message) +
                        QStringLiteral(" Please select the ROM image again with Open Rom (Ctrl+R)."));
      return;
    case TeamLoadOutcome::StoppedByTerminator:
      showEditorMessage(text(result.message));
      return;
    case TeamLoadOutcome::Loaded:
    case TeamLoadOutcome::LoadedRecordsUnreadable:
      showLoadedTeam(result);
      if (!result.message.empty()) showEditorMessage(text(result.message));
      return;
  }
}

void Form1::showLoadedTeam(const TeamLoadResult& result) {
  selectedTeam = result.state;
  Label4->setText(text(result.label4()));
  Text12->setTypingLimit(result.text12MaxLength());
  Text10->showText(text(result.text10()));

  noshowboxes();
  showboxes();
  const int playercount = selectedTeam.playercount;
  for (int row = 0; row < playercount && row < kPlayerRows; ++row) {
    Text0[row]->show();
    Text1[row]->show();
    Text2[row]->show();
    // Rows the record walk could not reach show empty.
    const bool read = static_cast<std::size_t>(row) < result.rows.size();
    Text1[row]->showText(read ? text(result.rows[row].name) : QString());
    Text0[row]->showText(read ? text(result.rows[row].number) : QString());
    Text2[row]->showText(read ? text(result.rows[row].r) : QString());
  }

  for (int line = 0; line < kLines; ++line) {
    const std::span<TextBox*> boxes = lineSlots(line);
    for (std::size_t box = 0; box < boxes.size(); ++box) {
      boxes[box]->showText(text(result.lineBoxes[line][box]));
      boxes[box]->clearUserEdited();
    }
  }
  Text12->showText(text(result.abbreviation));

  const std::span<const std::uint16_t> words(selectedTeam.colourWords);
  fillhomecolor(colours::colourTexts(words.first<layout::kColourSlots>()));
  fillawaycolor(colours::colourTexts(words.last<layout::kColourSlots>()));
  SSTab1->clearRecoloured();
  SSTab1->applySwatchColourList();
}

}  // namespace quarven::ui
