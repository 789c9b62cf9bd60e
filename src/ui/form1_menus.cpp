#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ui/form1.h"

namespace quarven::ui {

namespace {
QAction* addItem(QMenu* menu, const QString& caption, const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(caption);
  action->setShortcut(shortcut);
  return action;
}
}  // namespace

void Form1::buildMenus() {
  mnuFile = menuBar()->addMenu(QStringLiteral("File"));
  mnuOpen = addItem(mnuFile, QStringLiteral("Open &Rom"), QKeySequence(Qt::CTRL | Qt::Key_R));
  mnuQuit = addItem(mnuFile, QStringLiteral("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q));

  mnuAbout = menuBar()->addMenu(QStringLiteral("Options"));
  mnhHelp = addItem(mnuAbout, QStringLiteral("Show &Help Box"), QKeySequence(Qt::CTRL | Qt::Key_H));
  mnuTop = addItem(mnuAbout, QStringLiteral("Always On &Top"), QKeySequence(Qt::CTRL | Qt::Key_T));
  mnuNotTop = addItem(mnuAbout, QStringLiteral("&Not Always On Top"), QKeySequence(Qt::CTRL | Qt::Key_N));
  mnuTeamNameChange = addItem(mnuAbout, QStringLiteral("Enable Team Name Change"));
  mnudisAbbrev = addItem(mnuAbout, QStringLiteral("Disable Team Abbreviation Change"),
                         QKeySequence(Qt::CTRL | Qt::Key_D));
  mnuAboutQUARVEN = addItem(mnuAbout, QStringLiteral("QUARVEN Editor"), QKeySequence(Qt::CTRL | Qt::Key_A));

  connect(mnuOpen, &QAction::triggered, this, &Form1::mnuOpen_Click);
  connect(mnuQuit, &QAction::triggered, this, &Form1::mnuQuit_Click);
  connect(mnhHelp, &QAction::triggered, this, &Form1::mnhHelp_Click);
  connect(mnuTop, &QAction::triggered, this, &Form1::mnuTop_Click);
  connect(mnuNotTop, &QAction::triggered, this, &Form1::mnuNotTop_Click);
  connect(mnuTeamNameChange, &QAction::triggered, this, &Form1::mnuTeamNameChange_Click);
  connect(mnudisAbbrev, &QAction::triggered, this, &Form1::mnudisAbbrev_Click);
  connect(mnuAboutQUARVEN, &QAction::triggered, this, &Form1::mnuAboutQUARVEN_Click);
}

}  // namespace quarven::ui
