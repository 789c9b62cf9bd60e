#pragma once
// The row of ten part selectors of one uniform tab (Label8 on HOME, Label12 on AWAY). The
// selected part is the one whose caption is red; nothing else records it.

#include <QObject>
#include <array>
#include <cstdint>
#include <optional>

#include "colours/uniform_figure_data.h"

class QWidget;

namespace quarven::ui {

class UniformCell;

class PartSelectors : public QObject {
  Q_OBJECT
 public:
  // Creates the selectors on the tab's canvas, whose origin is the tab control's top-left corner.
  PartSelectors(colours::Side tab, QWidget* canvas);

  // The user's click on selector k: every caption white, then k's red.
  void select(int part);
  // The first selector whose caption is red, if any.
  std::optional<int> selectedPart() const;
  UniformCell* selector(int part) const;

 signals:
  void clicked(int part);

 private:
  std::array<UniformCell*, colours::kPartCount> cells_{};
};

}  // namespace quarven::ui
