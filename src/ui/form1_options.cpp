// The handlers behind the Options and File menus: help box, About, the two edit options,
// always on top, and Quit.

#include <QAction>
#include <QCoreApplication>

#include "dialogs/cls_on_top.h"
#include "platform/message_box.h"
#include "rom/messenger.h"
#include "ui/form1.h"
#include "ui/text_box.h"

namespace quarven::ui {

void Form1::mnhHelp_Click() {
  setOuterWidth(kOuterWidthWithHelp);
}

void Form1::Text13_DblClick() {
  setOuterWidth(kOuterWidth);
}

void Form1::mnuAboutQUARVEN_Click() {
  showEditorMessage(
      QStringLiteral("QUARVEN EDITOR\n\n"
                     "Edits the player names and numbers, line-ups, abbreviation, team name and "
                     "uniform colours of the teams in a SNES QUARVEN rom.\n\n"
                     "Made by the QUARVEN EDITOR developers."));
}

// Team-name change is on exactly while Text10 is enabled. The warning comes before it is on.
void Form1::mnuTeamNameChange_Click() {
  if (!Text10->isEnabled()) {
    showEditorMessage(
        QStringLiteral("This option only works about half of the time, it may corrupt the rom causing it "
                       "to not work. Make sure to save a copy."));
    Text10->setEnabled(true);
    mnuTeamNameChange->setText(QStringLiteral("Disable Team Name Change"));
  } else {
    Text10->setEnabled(false);
    mnuTeamNameChange->setText(QStringLiteral("Enable Team Name Change"));
  }
}

// Abbreviation change is on exactly while Text12 is enabled. The note comes after it is off.
void Form1::mnudisAbbrev_Click() {
  if (!Text12->isEnabled()) {
    Text12->setEnabled(true);
    mnudisAbbrev->setText(QStringLiteral("Disable Team Abbreviation Change"));
  } else {
    Text12->setEnabled(false);
    mnudisAbbrev->setText(QStringLiteral("Enable Team Abbreviation Change"));
    showEditorMessage(
        QStringLiteral("This option will save your rom from being corrupt if you manually edited the team "
                       "abbreviations with a hex editor."));
  }
}

// The always-on-top object is made on first use and kept.
dialogs::clsOnTop& Form1::onTop() {
  if (!ontop) ontop = std::make_unique<dialogs::clsOnTop>();
  return *ontop;
}

void Form1::mnuTop_Click() {
  onTop().MakeTopMost(this);
}

void Form1::mnuNotTop_Click() {
  onTop().MakeNormal(this);
}

// Yes ends the program at once, without saving; No changes nothing.
void Form1::mnuQuit_Click() {
  if (!mayLeaveTeam()) return;
  const int answer = platform::MessageBox(
      this,
      QStringLiteral("Are you sure you want to quit QUARVEN EDITOR?") + "\n\n" + "If not then click NO.",
      QString::fromLatin1(kAppTitle),
      platform::MB_YESNO | platform::MB_ICONQUESTION | platform::MB_DEFBUTTON2);
  if (answer == platform::IDYES) QCoreApplication::exit(0);
}

}  // namespace quarven::ui
