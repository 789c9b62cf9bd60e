#pragma once
// Helpers for driving the real file dialog: a scratch folder that is also the working folder,
// waiting for Qt to catch up, selecting files the way a click does, and reading the status bar.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QListView>
#include <QLocale>
#include <QTemporaryDir>
#include <functional>

#include "platform/common_dialog.h"
#include "platform/status_window.h"

namespace quarven::testing {

inline bool waitFor(const std::function<bool()>& done, int milliseconds = 5000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > milliseconds) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

inline platform::StatusWindow* statusBarOf(QFileDialog& dialog) {
  return dialog.findChild<platform::StatusWindow*>();
}

// Selects the named files of the folder the dialog shows, as clicks in its list would.
inline bool selectFiles(QFileDialog& dialog, const QStringList& names) {
  auto* model = dialog.findChild<QFileSystemModel*>();
  auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
  if (!model || !list) return false;
  const QDir folder = dialog.directory();
  const bool loaded = waitFor([&] {
    for (const QString& name : names) {
      if (!model->index(folder.filePath(name)).isValid()) return false;
    }
    return true;
  });
  if (!loaded) return false;
  list->selectionModel()->clearSelection();
  for (const QString& name : names) {
    list->selectionModel()->select(model->index(folder.filePath(name)),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
  QCoreApplication::processEvents();
  return true;
}

// Presses the dialog's OK (Open or Save) button.
inline void pressOk(QFileDialog& dialog) {
  if (auto* ok = qobject_cast<QAbstractButton*>(platform::GetDlgItem(&dialog, platform::IDOK))) ok->click();
}

// A scratch folder that is the working folder for the test's life; the driver and the locale are
// reset afterwards.
class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scratch.isValid());
    previousFolder = QDir::currentPath();
    QDir::setCurrent(scratch.path());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  }
  void TearDown() override {
    platform::setCommonDialogDriver({});
    QDir::setCurrent(previousFolder);
    QLocale::setDefault(QLocale::system());
  }

  QString makeFile(const QString& name, qint64 size = 0) {
    QFile file(QDir(scratch.path()).filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(size, 'x'));
    return file.fileName();
  }

  // Runs drive once the dialog is up; the dialog is cancelled afterwards unless drive closed it.
  void drive(std::function<void(QFileDialog&)> onUp, std::function<void(QFileDialog&)> prepare = {}) {
    platform::setCommonDialogDriver({std::move(prepare), [this, onUp](QFileDialog& d) {
                                       ++shown;
                                       onUp(d);
                                     }});
  }

  QTemporaryDir scratch;
  QString previousFolder;
  int shown = 0;
};

}  // namespace quarven::testing
