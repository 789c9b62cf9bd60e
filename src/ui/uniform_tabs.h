#pragma once
// SSTab1: the uniform tab control with the HOME and AWAY figures, the part selectors and the
// swatch grids. Controls stand at their twips places relative to the control's top-left corner.

#include <QTabWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "colours/uniform_figure_data.h"
#include "rom/colour_slots.h"

namespace quarven::ui {

using Side = colours::Side;

class PartSelectors;
class SwatchGrid;
class UniformCell;
class UniformFigure;

class UniformTabs : public QTabWidget {
  Q_OBJECT
 public:
  explicit UniformTabs(QWidget* parent = nullptr);

  // Paints every box of a side's part group (part 0..9: SL PA SO SD TS BS MS SH HJ SS) with a
  // display colour 0x00BBGGRR.
  void paintPartGroup(Side side, int part, std::uint32_t displayColour);
  // Display colour of the sample box of colour slot 0..19 (0..9 home, 10..19 away).
  std::uint32_t sampleColour(int slot) const;
  // Sets every listed swatch of both tabs to its colour.
  void applySwatchColourList();
  // Whether the user recoloured the part of colour slot 0..19 from the swatch grid since the marks
  // were last cleared (by a team load).
  bool recoloured(int slot) const;
  void clearRecoloured() { recoloured_ = {}; }

  // The user's clicks and mouse moves; indexes outside a set are ignored.
  void Label8_Click(int index);
  void Label12_Click(int index);
  void Label11_Click(int index);
  void Label11_MouseMove(int index);

  // Display colour of figure box Label9(index); 0 for an index that is no box.
  std::uint32_t boxColour(int index) const;
  // The part whose selector caption is red on a tab, if any.
  std::optional<int> selectedPart(Side tab) const;

  UniformFigure* Picture1() const { return figure(Side::Home); }
  UniformFigure* Picture2() const { return figure(Side::Away); }
  UniformFigure* figure(Side side) const;
  // Part selector k of a tab (Label8 on HOME, Label12 on AWAY); null outside 0..9.
  UniformCell* selector(Side tab, int part) const;
  // Swatch Label11(index) of either tab; null for an index that is no swatch.
  UniformCell* swatch(int index) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Page {
    QWidget* page = nullptr;
    QWidget* canvas = nullptr;  // the control's own coordinates, clipped by the page
    UniformFigure* figure = nullptr;
    PartSelectors* selectors = nullptr;
    SwatchGrid* swatches = nullptr;
  };

  void addPage(Side side, const QString& caption);
  void placeCanvas(const Page& page);
  const Page* pageOf(Side side) const;

  std::array<Page, 2> pages_;
  ColourSlots<bool> recoloured_{};
};

}  // namespace quarven::ui
