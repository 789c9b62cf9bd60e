#include "ui/uniform_tabs.h"

#include <QEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>

#include "colours/swatch_data.h"
#include "ui/control_style.h"
#include "ui/focus_rectangle.h"
#include "ui/part_selectors.h"
#include "ui/swatch_grid.h"
#include "ui/twips.h"
#include "ui/uniform_cell.h"
#include "ui/uniform_figure.h"

namespace quarven::ui {

namespace {

constexpr colours::TwipsRect kControlSize{0, 0, 3015, 2115};
constexpr int kTabBarHeight = 300;  // twips

// Two tabs side by side sharing the control's width, 300 twips high. Captions are centred on the
// whole tab, without the style's inner margins, so the bold captions fit as they do on the desktop.
// While the control has the focus, the selected tab's caption is framed by a focus rectangle.
class UniformTabBar : public QTabBar {
 public:
  using QTabBar::QTabBar;

 protected:
  QSize tabSizeHint(int) const override {
    return {twips(kControlSize.width) / std::max(1, count()), twips(kTabBarHeight)};
  }

  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
      QStyleOptionTab option;
      initStyleOption(&option, i);
      painter.drawControl(QStyle::CE_TabBarTabShape, option);
      painter.setPen(option.palette.color(QPalette::WindowText));
      painter.drawText(option.rect, Qt::AlignCenter, tabText(i));
      if (i == currentIndex() && hasFocus()) {
        const QRect caption = painter.fontMetrics().boundingRect(option.rect, Qt::AlignCenter, tabText(i));
        drawFocusRectangle(painter, caption.adjusted(-2, -1, 2, 1));
      }
    }
  }
};

}  // namespace

UniformTabs::UniformTabs(QWidget* parent) : QTabWidget(parent) {
  setFont(arialBold(8.25));
  setTabBar(new UniformTabBar(this));
  setFixedSize(twipsToPixels(kControlSize).size());

  addPage(Side::Home, "HOME UNIFORM");
  addPage(Side::Away, "AWAY UNIFORM");
  setCurrentIndex(1);
}

void UniformTabs::addPage(Side side, const QString& caption) {
  Page& p = pages_[static_cast<std::size_t>(side)];
  p.page = new QWidget;
  p.canvas = new QWidget(p.page);
  p.canvas->resize(size());
  p.figure = new UniformFigure(side, p.canvas);
  p.selectors = new PartSelectors(side, p.canvas);
  p.swatches = new SwatchGrid(side, p.canvas);
  connect(p.selectors, &PartSelectors::clicked, this,
          side == Side::Home ? &UniformTabs::Label8_Click : &UniformTabs::Label12_Click);
  connect(p.swatches, &SwatchGrid::clicked, this, &UniformTabs::Label11_Click);
  connect(p.swatches, &SwatchGrid::mouseMoved, this, &UniformTabs::Label11_MouseMove);
  p.page->installEventFilter(this);
  addTab(p.page, caption);
}

// The page sits below the tab bar inside the frame; the canvas is moved back by the page's
// offset so that its origin is the control's top-left corner.
void UniformTabs::placeCanvas(const Page& page) {
  page.canvas->move(-page.page->mapTo(this, QPoint(0, 0)));
}

bool UniformTabs::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == QEvent::Show)
    for (const Page& page : pages_)
      if (page.page == watched) placeCanvas(page);
  return QTabWidget::eventFilter(watched, event);
}

const UniformTabs::Page* UniformTabs::pageOf(Side side) const {
  if (side != Side::Home && side != Side::Away) return nullptr;
  return &pages_[static_cast<std::size_t>(side)];
}

UniformFigure* UniformTabs::figure(Side side) const {
  const Page* page = pageOf(side);
  return page ? page->figure : nullptr;
}

UniformCell* UniformTabs::selector(Side tab, int part) const {
  const Page* page = pageOf(tab);
  return page ? page->selectors->selector(part) : nullptr;
}

UniformCell* UniformTabs::swatch(int index) const {
  for (const Page& page : pages_)
    if (UniformCell* cell = page.swatches->swatch(index)) return cell;
  return nullptr;
}

void UniformTabs::paintPartGroup(Side side, int part, std::uint32_t displayColour) {
  if (UniformFigure* f = figure(side)) f->paintPartGroup(part, displayColour);
}

std::uint32_t UniformTabs::boxColour(int index) const {
  const auto box = colours::figureBox(index);
  if (!box) return 0;
  return figure(box->side)->boxColour(index).value_or(0);
}

std::uint32_t UniformTabs::sampleColour(int slot) const {
  if (slot < 0 || slot >= 2 * colours::kPartCount) return 0;
  const Side side = slot < colours::kPartCount ? Side::Home : Side::Away;
  return boxColour(colours::sampleBox(side, slot % colours::kPartCount).value_or(-1));
}

std::optional<int> UniformTabs::selectedPart(Side tab) const {
  const Page* page = pageOf(tab);
  return page ? page->selectors->selectedPart() : std::nullopt;
}

void UniformTabs::applySwatchColourList() {
  for (const auto& [index, colour] : colours::swatchColourList())
    if (UniformCell* cell = swatch(index)) cell->setBackColour(colour);
}

void UniformTabs::Label8_Click(int index) {
  pages_[0].selectors->select(index);
}

void UniformTabs::Label12_Click(int index) {
  pages_[1].selectors->select(index);
}

// Paints the current tab's selected part with the swatch's colour.
void UniformTabs::Label11_Click(int index) {
  const UniformCell* cell = swatch(index);
  const int tab = currentIndex();
  if (!cell || (tab != 0 && tab != 1)) return;
  const Side side = static_cast<Side>(tab);
  if (const auto part = selectedPart(side)) {
    paintPartGroup(side, *part, cell->backColour());
    recoloured_[static_cast<std::size_t>(tab * colours::kPartCount + *part)] = true;
  }
}

bool UniformTabs::recoloured(int slot) const {
  return slot >= 0 && slot < kSlotCount && recoloured_[static_cast<std::size_t>(slot)];
}

void UniformTabs::Label11_MouseMove(int index) {
  if (UniformCell* cell = swatch(index))
    cell->setToolTip(QString::fromStdString(colours::swatchToolTipText(cell->backColour())));
}

}  // namespace quarven::ui
