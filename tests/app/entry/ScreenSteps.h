// What a user does on the program's screens in a test: answer the next modal window, press a button,
// click a grid cell or a plaque face, make a window the active one, and keep a picture of a screen.
#pragma once
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "controls/dental/PlaqueCheck.h"
#include "platform/msgbox/Modal.h"
#include "platform/spread/SpreadGrid.h"

// Queues what the user does on the next modal window.
template <typename F> void onScreen(std::function<void(F&)> act) {
    modal::pushResponder([act](QWidget& w) {
        auto* f = dynamic_cast<F*>(&w);
        ASSERT_NE(f, nullptr) << w.objectName().toStdString();
        act(*f);
    });
}

inline void click(QWidget& form, const char* button) {
    auto* b = form.findChild<QPushButton*>(QLatin1String(button));
    ASSERT_NE(b, nullptr) << button;
    b->click();
}

// A mouse click on a grid cell, as the user makes it.
inline void clickCell(SpreadGrid& grid, int col, int row) {
    QTableView* view = grid.view();
    const QRect cell = view->visualRect(view->model()->index(row - 1, col - 1));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
}

// The window becomes the active one, as the window system tells it.
inline void activate(QWidget& w) {
    QEvent e(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&w, &e);
}

// A picture of the window in the folder ORVANTA_GRAB_DIR names, when it names one.
inline void grab(QWidget& w, const QString& name) {
    if (qEnvironmentVariableIsSet("ORVANTA_GRAB_DIR"))
        w.grab().save(qEnvironmentVariable("ORVANTA_GRAB_DIR") + u'/' + name);
}

// The faces of a plaque cell as "UDLR" letters ("-" for a face not set), "M" for a lost tooth.
inline QString faces(const PlaqueCheck& c) {
    if (c.Lost())
        return QStringLiteral("M");
    QString s;
    s += c.PlaqueU() ? u'U' : u'-';
    s += c.PlaqueD() ? u'D' : u'-';
    s += c.PlaqueL() ? u'L' : u'-';
    s += c.PlaqueR() ? u'R' : u'-';
    return s;
}
