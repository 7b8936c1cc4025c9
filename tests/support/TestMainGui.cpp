// Test entry point of the widget tests: one QApplication for every test; message boxes and modal
// windows answered by their seams.
#include <QApplication>
#include <gtest/gtest.h>

#include "platform/msgbox/Modal.h"
#include "platform/msgbox/MsgBox.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    msgbox::enableTestSeam(true);
    modal::enableTestSeam(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
