// The handlers behind the Options and File menus: help box, About, the two edit options,
// always on top, and Quit.

#include <QAction>
#include <QCoreApplication>

#include "dialogs/cls_on_top.h"
#include "platform/message_box.h"
#include "ui/form1.h"
#include "ui/text_box.h"

namespace quarven::ui {

using platform::MessageBox;

namespace {
const QString kTitle = QStringLiteral("QUARVEN EDITOR");
}  // namespace

void Form1::mnhHelp_Click() {
  setOuterWidth(kOuterWidthWithHelp);
}

void Form1::Text13_DblClick() {
  setOuterWidth(kOuterWidth);
}

void Form1::mnuAboutQUARVEN_Click() {
  MessageBox(this,
             QStringLiteral("QUARVEN EDITOR\n\n"
                            "Edits the player names and numbers, line-ups, abbreviation, team name and "
                            "uniform colours of the teams in a SNES QUARVEN rom.\n\n"
                            "Made by the QUARVEN EDITOR developers."),
             kTitle, platform::MB_OK);
}

// Team-name change is on exactly while Text10 is enabled. The warning comes before it is on.
void Form1::mnuTeamNameChange_Click() {
  if (!Text10->isEnabled()) {
    MessageBox(
        this,
        QStringLiteral("This option only works about half of the time, it may corrupt the rom causing it "
                       "to not work. Make sure to save a copy."),
        kTitle, platform::MB_OK);
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
    MessageBox(
        this,
        QStringLiteral("This option will save your rom from being corrupt if you manually edited the team "
                       "abbreviations with a hex editor."),
        kTitle, platform::MB_OK);
  }
}

void Form1::mnuTop_Click() {
  if (!ontop) ontop = std::make_unique<dialogs::clsOnTop>();
  ontop->MakeTopMost(this);
}

void Form1::mnuNotTop_Click() {
  if (!ontop) ontop = std::make_unique<dialogs::clsOnTop>();
  ontop->MakeNormal(this);
}

// Yes ends the program at once, without saving; No changes nothing.
void Form1::mnuQuit_Click() {
  const int answer = MessageBox(
      this,
      QStringLiteral("Are you sure you want to quit QUARVEN EDITOR?") + "\n\n" + "If not then click NO.",
      kTitle, platform::MB_YESNO | platform::MB_ICONQUESTION | platform::MB_DEFBUTTON2);
  if (answer == platform::IDYES) QCoreApplication::exit(0);
}

}  // namespace quarven::ui
