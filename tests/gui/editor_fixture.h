#pragma once
// The editor as a user meets it: a Form1, synthetic images in a scratch folder, the real open dialog
// answered with a typed name (or cancelled), team buttons clicked, every message box recorded; and
// the window's box sets.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <filesystem>

#include "message_box_recorder.h"
#include "platform/common_dialog.h"
#include "synthetic_rom.h"
#include "ui/form1.h"
#include "ui/help_box.h"
#include "ui/team_toolbar.h"
#include "ui/text_box.h"
#include "ui/uniform_tabs.h"

inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace quarven::testing {

inline std::vector<ui::TextBox*> allLineSlots(ui::Form1& form) {
  std::vector<ui::TextBox*> boxes;
  for (int line = 0; line < ui::Form1::kLines; ++line)
    for (ui::TextBox* box : form.lineSlots(line)) boxes.push_back(box);
  return boxes;
}

// Text0, Text1 and Text2 of every player row.
inline std::vector<ui::TextBox*> rowBoxes(ui::Form1& form) {
  std::vector<ui::TextBox*> boxes;
  for (int row = 0; row < ui::Form1::kPlayerRows; ++row)
    boxes.insert(boxes.end(), {form.Text0[row], form.Text1[row], form.Text2[row]});
  return boxes;
}

// Every control of the window's client area.
inline QList<QWidget*> controls(ui::Form1& form) {
  return form.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

// The window shown and active with the panel and all 25 player rows showing.
inline void showEditingPanel(ui::Form1& form) {
  form.show();
  form.showboxes();
  for (ui::TextBox* box : rowBoxes(form)) box->show();
  form.activateWindow();
  QApplication::setActiveWindow(&form);
  QApplication::processEvents();
}

// What the window shows of the editing panel: texts, visibility and the figures' colours.
struct PanelSnapshot {
  QStringList texts;
  std::vector<bool> shown;
  std::vector<std::uint32_t> figureColours;
  bool operator==(const PanelSnapshot&) const = default;
};

inline PanelSnapshot snapshot(ui::Form1& form) {
  PanelSnapshot s;
  std::vector<QWidget*> widgets{form.Label4, form.Text10, form.Text12, form.SSTab1, form.Command1};
  for (ui::TextBox* box : rowBoxes(form)) widgets.push_back(box);
  for (ui::TextBox* box : allLineSlots(form)) widgets.push_back(box);
  for (const QWidget* w : widgets) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(w)) s.texts << edit->text();
    if (const auto* label = qobject_cast<const QLabel*>(w)) s.texts << label->text();
    s.shown.push_back(w->isVisible());
  }
  for (int box = 0; box < 178; ++box) s.figureColours.push_back(form.SSTab1->boxColour(box));
  return s;
}

class EditorFixture : public ::testing::Test {
 public:
  void TearDown() override { platform::setCommonDialogDriver({}); }

  QString writeRom(const SyntheticRom& rom, const QString& name = QStringLiteral("rom.smc")) {
    const QString path = QDir(scratch.path()).filePath(name);
    QFile::remove(path);
    rom.writeTo(std::filesystem::path(path.toStdString()));
    return path;
  }

  // Every following open dialog gets this name typed and Open pressed; an empty name cancels it.
  void answerOpenWith(const QString& typedName) {
    platform::setCommonDialogDriver({{}, [this, typedName](QFileDialog& dialog) {
                                       lastDialogTitle = dialog.windowTitle();
                                       if (typedName.isEmpty()) return dialog.reject();
                                       if (auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit"))
                                         edit->setText(typedName);
                                       QMetaObject::invokeMethod(&dialog, "accept", Qt::DirectConnection);
                                     }});
  }

  // Start-up with the image accepted: Form_Load, then the window is shown.
  void startWith(const SyntheticRom& rom = SyntheticRom()) {
    answerOpenWith(writeRom(rom));
    form.Form_Load();
    form.show();
    ASSERT_TRUE(boxes.calls.empty()) << boxes.texts().front().toStdString();
  }

  // The image at rompath as it is on disk now.
  QByteArray fileBytes() const {
    QFile file(form.rompath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  void pressTeam(const QString& key) {
    for (int number = 1; number <= ui::TeamToolbar::kButtonCount; ++number)
      if (form.Toolbar1->key(number) == key) return form.Toolbar1->button(number)->click();
    FAIL() << "no team button " << key.toStdString();
  }

  QTemporaryDir scratch;
  MessageBoxRecorder boxes;
  ui::Form1 form;
  QString lastDialogTitle;
};

}  // namespace quarven::testing
