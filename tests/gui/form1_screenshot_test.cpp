// Not part of the regular run: shows the window on a real display for a look at it.
//   DISPLAY=:91 QT_QPA_PLATFORM=xcb build/tests/gui_tests --gtest_also_run_disabled_tests
//     --gtest_filter='*ShowForALook*'
// QUARVEN_LOOK_HELP=1 also shows the help box; QUARVEN_LOOK_SECONDS sets how long it stays up.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "ui/form1.h"
#include "ui/text_box.h"

namespace quarven::ui {

TEST(Form1Look, DISABLED_ShowForALook) {
  Form1 form;
  form.showboxes();
  for (int row = 0; row < 20; ++row) {
    form.Text0[row]->show();
    form.Text1[row]->show();
    form.Text2[row]->show();
    form.Text0[row]->setText(QString::number(row * 3 + 2));
    form.Text1[row]->setText(QStringLiteral("PLAYER NUMBER %1").arg(row + 1));
    form.Text2[row]->setText(QString::number(row % 4));
  }
  form.Label4->setText(QStringLiteral("ANAHEIM MIGHTY DUCKS"));
  form.Text10->setText(QStringLiteral("Mighty Ducks"));
  form.Text12->setText(QStringLiteral("ANH"));
  for (int line = 0; line < Form1::kLines; ++line)
    for (TextBox* box : form.lineSlots(line)) box->setText(QString::number(line + 10));
  if (qEnvironmentVariableIsSet("QUARVEN_LOOK_HELP")) form.mnhHelp_Click();
  form.show();
  const int seconds = qEnvironmentVariableIsSet("QUARVEN_LOOK_SECONDS")
                          ? qEnvironmentVariableIntValue("QUARVEN_LOOK_SECONDS")
                          : 5;
  QTimer::singleShot(seconds * 1000, [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
}

}  // namespace quarven::ui
