#include "ui/form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

#include "dialogs/cls_on_top.h"
#include "platform/system_colours.h"
#include "platform/window_frame.h"
#include "ui/artwork.h"
#include "ui/client_area.h"
#include "ui/control_style.h"
#include "ui/text_box.h"
#include "ui/twips.h"

namespace quarven::ui {

namespace {
constexpr std::uint32_t kBackground = 0x808080;  // grey
}  // namespace

Form1::Form1(PanelBuild panelBuild) {
  buildWindow();
  buildMenus();
  if (panelBuild == PanelBuild::WithWindow) buildPanel();
  setOuterWidth(kOuterWidth);

  // Centred on the screen by its frame, which a window manager adds only when it shows the window.
  platform::learnFrameBeforeShowing(this);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    platform::centreFrameOn(this, screen->availableGeometry());
}

Form1::~Form1() = default;

void Form1::buildPanel() {
  if (panelBuilt_) return;
  panelBuilt_ = true;
  buildPlayerGrid();
  buildLineGrid();
  buildAbbreviationBox();
  buildSaveButton();
  buildToolbar();
  buildUniformTabs();
  buildTeamNameBox();
  buildHelpBox();
  buildLabels();
  orderTabStops();
  connectFocusHandlers();
}

void Form1::buildWindow() {
  setWindowTitle(QStringLiteral("QUARVEN EDITOR"));
  setWindowIcon(editorIcon());
  // Fixed single border: a minimize button, no maximize button, no sizing.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFont(arialBold(9.75));
  client_ = new ClientArea(platform::displayColour(kBackground), rinkScene, this);
  setCentralWidget(client_);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Form1::setOuterWidth(int twipsWide) {
  client_->setFixedSize(twips(twipsWide - kBorderTwips), twips(kClientHeight));
  layout()->activate();  // the window takes its new size now, keeping its position
}

std::span<TextBox*> Form1::lineSlots(int line) {
  switch (line) {
    case 0:
      return Text3;
    case 1:
      return Text4;
    case 2:
      return Text5;
    case 3:
      return Text6;
    case 4:
      return Text7;
    case 5:
      return Text8;
    case 6:
      return Text9;
    default:
      return {};
  }
}

std::span<TextBox* const> Form1::lineSlots(int line) const {
  return const_cast<Form1*>(this)->lineSlots(line);
}

// The close box ends the program at once, nothing saved; it asks only while a failed save left the
// team half written.
void Form1::closeEvent(QCloseEvent* event) {
  if (!mayLeaveTeam()) return event->ignore();
  event->accept();
  QCoreApplication::exit(0);
}

}  // namespace quarven::ui
