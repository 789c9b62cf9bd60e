#pragma once
// SSTab1: the uniform tab control with the HOME and AWAY figures, the part selectors and the
// swatch grids.

#include <QTabWidget>
#include <cstdint>

namespace quarven::ui {

enum class Side { Home = 0, Away = 1 };

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
};

}  // namespace quarven::ui
