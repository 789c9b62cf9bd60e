#include "ui/uniform_tabs.h"

#include <QWidget>

namespace quarven::ui {

UniformTabs::UniformTabs(QWidget* parent) : QTabWidget(parent) {
  addTab(new QWidget(this), "HOME UNIFORM");
  addTab(new QWidget(this), "AWAY UNIFORM");
  setCurrentIndex(1);
}

void UniformTabs::paintPartGroup(Side, int, std::uint32_t) {}
std::uint32_t UniformTabs::sampleColour(int) const { return 0; }
void UniformTabs::applySwatchColourList() {}

}  // namespace quarven::ui
