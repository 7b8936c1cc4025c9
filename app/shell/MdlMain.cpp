#include "app/shell/MdlMain.h"

#include <QApplication>

namespace MdlMain {
int runProgram(QApplication&) { return 0; }
} // namespace MdlMain
