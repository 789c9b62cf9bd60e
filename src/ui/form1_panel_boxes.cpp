// The team-name and abbreviation boxes, the SAVE button, the toolbar, the uniform tabs, the help
// box and the labels.

#include <QLabel>
#include <QPushButton>

#include "platform/system_colours.h"
#include "ui/artwork.h"
#include "ui/client_area.h"
#include "ui/control_style.h"
#include "ui/form1.h"
#include "ui/help_box.h"
#include "ui/help_text.h"
#include "ui/picture_button.h"
#include "ui/team_toolbar.h"
#include "ui/text_box.h"
#include "ui/twips.h"
#include "ui/uniform_tabs.h"

namespace quarven::ui {

void Form1::buildAbbreviationBox() {
  // No limit until a team load sets the team's abbreviation length. Abbreviation change is on.
  Text12 = makeEntryBox(client_, twipsRect(4800, 4080, 1050, 315), 0);
}

void Form1::buildTeamNameBox() {
  Text10 = makeEntryBox(client_, twipsRect(4200, 3600, 1665, 315), 0);
  Text10->setEnabled(false);  // team-name change is off at start
}

void Form1::buildSaveButton() {
  Command1 = new PictureButton(savePicture(), platform::sysColour(platform::COLOR_INACTIVEBORDER), client_);
  Command1->setGeometry(twipsRect(2940, 7560, 2850, 750));
  Command1->hide();
  connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
}

void Form1::buildToolbar() {
  for (int index = 0; index < TeamToolbar::kButtonCount; ++index) ImageList1.push_back(teamIcon(index));
  Toolbar1 = new TeamToolbar(ImageList1, client_);
  Toolbar1->setGeometry(twipsRect(0, 0, 5925, 750));
  Toolbar1->setAutoFillBackground(true);
  Toolbar1->hide();
  connect(Toolbar1, &TeamToolbar::buttonClick, this, &Form1::Toolbar1_ButtonClick);
}

void Form1::buildUniformTabs() {
  SSTab1 = new UniformTabs(client_);
  SSTab1->setGeometry(twipsRect(2880, 1260, 3015, 2115));
  SSTab1->hide();
}

void Form1::buildHelpBox() {
  Text13 = new HelpBox(client_);
  Text13->setGeometry(twipsRect(5940, 60, 4335, 8235));
  Text13->setPlainText(helpText());
  QPalette palette = Text13->palette();
  palette.setColor(QPalette::Text, platform::sysColour(platform::COLOR_ACTIVECAPTION));
  Text13->setPalette(palette);
  connect(Text13, &HelpBox::doubleClicked, this, &Form1::Text13_DblClick);
}

void Form1::buildLabels() {
  Label1 = makeHeaderLabel(client_, twipsRect(60, 840, 2760, 330),
                           QStringLiteral("  #   PLAYER NAME                       R"));
  Label4 = makeHeaderLabel(client_, twipsRect(2880, 840, 3015, 285), QString(), Qt::AlignCenter);
  Label6 = makeHeaderLabel(client_, twipsRect(2880, 3600, 1335, 285), QStringLiteral("TEAM NAME"));
  Label15 = makeHeaderLabel(client_, twipsRect(2880, 4080, 1920, 285), QStringLiteral("TEAM ABBREVIATION"));
  Label5 = makeHeaderLabel(client_, twipsRect(2925, 4680, 2910, 270),
                           QStringLiteral(" LINES               LD   RD   LW    C   RW"));
  Label3 = new QLabel(client_);
  Label3->setGeometry(twipsRect(10620, 3960, 1095, 255));
  Label3->hide();
}

}  // namespace quarven::ui
