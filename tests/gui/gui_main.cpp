#include <gtest/gtest.h>

#include <QApplication>

#include "platform/desktop_style.h"

// One application object for the whole window suite; tests run on its thread. Listing the cases
// (CTest does so to register each one) needs no window system, so it starts no application.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  QApplication app(argc, argv);
  quarven::platform::installDesktopStyle(app);  // the look the editor runs with
  return RUN_ALL_TESTS();
}
