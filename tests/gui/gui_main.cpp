#include <gtest/gtest.h>

#include <QApplication>

#include "platform/desktop_style.h"

// One application object for the whole window suite; tests run on its thread.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  quarven::platform::installDesktopStyle(app);  // the look the editor runs with
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
