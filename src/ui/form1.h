#pragma once
// The editor's main window: one fixed-size window with the menu bar, the team toolbar, the
// editing panel (player grid, line grid, team banner, team-name and abbreviation boxes, uniform
// tabs, SAVE button) and the help box, which lies beyond the right edge until the window is
// widened. Controls and handlers carry the names the editor's behaviour is described by.

#include <QList>
#include <QMainWindow>
#include <QPixmap>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "rom/rom_image.h"
#include "rom/selected_team.h"
#include "save/save_input.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace quarven {
struct TeamLoadResult;
}

namespace quarven::dialogs {
class clsOnTop;
}

namespace quarven::ui {

class ClientArea;
class HelpBox;
class TeamToolbar;
class TextBox;
class UniformTabs;

class Form1 : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr int kPlayerRows = 25;
  static constexpr int kLines = 7;

  // Outer widths in twips: without and with the help box. The client area is kBorderTwips
  // narrower than the outer width.
  static constexpr int kOuterWidth = 6015;
  static constexpr int kOuterWidthWithHelp = 10470;
  static constexpr int kBorderTwips = 90;
  static constexpr int kClientHeight = 8475;

  // When the editing panel (everything below the menu bar but the background) is made: with the
  // window, or by the load event once its open dialog has been answered, so that the dialog
  // appears sooner. The panel is hidden until an image is accepted either way.
  enum class PanelBuild { WithWindow, AfterOpenDialog };
  explicit Form1(PanelBuild panelBuild = PanelBuild::WithWindow);
  ~Form1() override;

  // --- Controls ---
  TeamToolbar* Toolbar1 = nullptr;
  QList<QPixmap> ImageList1;
  std::array<TextBox*, kPlayerRows> Text0{};  // player numbers
  std::array<TextBox*, kPlayerRows> Text1{};  // player names
  std::array<TextBox*, kPlayerRows> Text2{};  // column "R", disabled
  // Line slots. Five boxes: index 4 = LD, 3 = RD, 2 = LW, 1 = C, 0 = RW; four: 3 = LD .. 0 = C.
  std::array<TextBox*, 5> Text3{}, Text4{}, Text5{}, Text6{}, Text7{};
  std::array<TextBox*, 4> Text8{}, Text9{};
  TextBox* Text10 = nullptr;              // team name; enabled while team-name change is on
  std::array<TextBox*, kLines> Text11{};  // line names, read-only
  TextBox* Text12 = nullptr;              // abbreviation; enabled while abbreviation change is on
  HelpBox* Text13 = nullptr;              // the help box
  QLabel* Label1 = nullptr;               // player grid header
  QLabel* Label3 = nullptr;               // signature byte of the open check; never shown
  QLabel* Label4 = nullptr;               // team banner
  QLabel* Label5 = nullptr;               // line grid header
  QLabel* Label6 = nullptr;               // "TEAM NAME"
  QLabel* Label15 = nullptr;              // "TEAM ABBREVIATION"
  UniformTabs* SSTab1 = nullptr;
  QPushButton* Command1 = nullptr;  // SAVE

  QMenu* mnuFile = nullptr;
  QMenu* mnuAbout = nullptr;
  QAction* mnuOpen = nullptr;
  QAction* mnuQuit = nullptr;
  QAction* mnhHelp = nullptr;
  QAction* mnuTop = nullptr;
  QAction* mnuNotTop = nullptr;
  QAction* mnuTeamNameChange = nullptr;
  QAction* mnudisAbbrev = nullptr;
  QAction* mnuAboutQUARVEN = nullptr;

  // The slot boxes of line 0..6 (Text3 .. Text9), indexed as the boxes are.
  std::span<TextBox*> lineSlots(int line);
  std::span<TextBox* const> lineSlots(int line) const;

  // --- Handlers ---
  void mnuOpen_Click();
  void mnuQuit_Click();
  void mnhHelp_Click();
  void Text13_DblClick();
  void mnuTop_Click();
  void mnuNotTop_Click();
  void mnuTeamNameChange_Click();
  void mnudisAbbrev_Click();
  void mnuAboutQUARVEN_Click();
  void Toolbar1_ButtonClick(const QString& key);
  void Command1_Click();

  // Whole-text selection when a typing box receives the focus.
  void Text0_GotFocus(int Index);
  void Text1_GotFocus(int Index);
  void Text3_GotFocus(int Index);
  void Text4_GotFocus(int Index);
  void Text5_GotFocus(int Index);
  void Text6_GotFocus(int Index);
  void Text7_GotFocus(int Index);
  void Text8_GotFocus(int Index);
  void Text9_GotFocus(int Index);
  void Text10_GotFocus();
  void Text12_GotFocus();

  // --- The editing panel as a whole ---
  void clearboxes();   // empties the player rows, line slots and abbreviation
  void showboxes();    // shows everything but the player rows
  void noshowboxes();  // hides everything but the toolbar

  // --- The ROM image and the team loaded from it ---
  // The load event: asks for a ROM image before the window is first shown.
  void Form_Load();
  // Path of the accepted ROM image; empty until one is accepted.
  QString rompath;
  // Written by team load only; every save works on the team loaded last.
  SelectedTeam selectedTeam;
  // Display colours 0x00BBGGRR last found per colour slot 0..9 of each side; black at start. A
  // loaded colour text without a key keeps its slot's colour from the load before.
  std::array<std::uint32_t, 10> homedisplaycolor{};
  std::array<std::uint32_t, 10> awaydisplaycolor{};
  // Look the ten colour texts of a side up and paint the side's ten part groups.
  void fillhomecolor(const std::array<std::string, 10>& homecolortext);
  void fillawaycolor(const std::array<std::string, 10>& awaycolortext);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // What SAVE hands to the save core: the boxes' texts and options and the sample colours.
  save::SaveInput saveInput() const;
  // Before the window gives up the team shown (another team, another image, the end): while a
  // failed save left it half written, true only when the user says so.
  bool mayLeaveTeam();

  // Builders, called in the order of the Tab key (Qt's focus chain follows creation order).
  void buildWindow();
  void buildPanel();  // the builders below; once
  void buildMenus();
  void buildPlayerGrid();
  void buildLineGrid();
  void buildAbbreviationBox();
  void buildSaveButton();
  void buildToolbar();
  void buildUniformTabs();
  void buildTeamNameBox();
  void buildHelpBox();
  void buildLabels();
  void orderTabStops();
  void connectFocusHandlers();
  void setOuterWidth(int twipsWide);
  // The panel's controls that showboxes and noshowboxes switch together, player rows excepted.
  std::vector<QWidget*> panelControls() const;

  // The open sequence of Form_Load (fromMenu false) and mnuOpen_Click (true).
  void openRom(bool fromMenu);
  // Puts a loaded team into the window: state, panel, rows, lines, abbreviation, colours.
  void showLoadedTeam(const TeamLoadResult& result);
  // A modal box with OK, no icon and the editor's title.
  void showEditorMessage(const QString& text);
  // The ROM image at `rompath`, opened anew by each operation.
  FileRomOpener romOpener() const;
  dialogs::clsOnTop& onTop();

  ClientArea* client_ = nullptr;
  bool panelBuilt_ = false;
  std::unique_ptr<dialogs::clsOnTop> ontop;
};

}  // namespace quarven::ui
