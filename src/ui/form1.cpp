#include "ui/form1.h"

namespace quarven::ui {

Form1::Form1(QWidget* parent) : QMainWindow(parent) { setWindowTitle("QUARVEN EDITOR"); }

}  // namespace quarven::ui
