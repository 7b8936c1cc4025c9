// The program's entry: builds the application and runs the start-up procedure.
#include <QApplication>

#include "app/shell/MdlMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return MdlMain::runProgram(app);
}
