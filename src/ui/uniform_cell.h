#pragma once
// A part selector or swatch of the uniform tabs: a flat rectangle with a one-pixel border, a
// background colour and an optional centred caption. Reports clicks and mouse moves.

#include <QFont>
#include <QString>
#include <QWidget>
#include <cstdint>

namespace quarven::ui {

class UniformCell : public QWidget {
  Q_OBJECT
 public:
  explicit UniformCell(QWidget* parent = nullptr);

  // Colours are display colours 0x00BBGGRR.
  std::uint32_t backColour() const { return back_; }
  void setBackColour(std::uint32_t colour);
  std::uint32_t textColour() const { return text_; }
  void setTextColour(std::uint32_t colour);
  void setCaption(const QString& caption);

 signals:
  void clicked();
  void mouseMoved();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  std::uint32_t back_ = 0;
  std::uint32_t text_ = 0;
  QString caption_;
};

}  // namespace quarven::ui
