// A program folder with the program's schema and messages, the current patient and a hygienist, the
// minute step of the time lists, and helpers that drive the sub-screens through the modal seam.
#pragma once
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "app/shell/MdlCommInterface.h"
#include "controls/dental/PlaqueCheck.h"
#include "platform/msgbox/Modal.h"
#include "platform/spread/SpreadGrid.h"
#include "support/RecordBookFixture.h"

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

class EntryFixture : public RecordBookFixture {
protected:
    void SetUp() override {
        RecordBookFixture::SetUp();
        savedStep = gStrEiseiMM;
        gStrEiseiMM = QStringLiteral("5");
        modal::clearResponders();
        modal::clearShown();
        msgbox::clearShown();
        msgbox::clearAnswers();
    }
    void TearDown() override {
        modal::clearResponders();
        msgbox::clearAnswers();
        // Back buttons leave the busy pointer for their caller to reset: this test is that caller.
        MdlCommInterface::PSuMousePointer(0, nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        gStrEiseiMM = savedStep;
        RecordBookFixture::TearDown();
    }

    // Queues what the user does on the next modal window.
    template <typename F> static void onScreen(std::function<void(F&)> act) {
        modal::pushResponder([act](QWidget& w) {
            auto* f = dynamic_cast<F*>(&w);
            ASSERT_NE(f, nullptr) << w.objectName().toStdString();
            act(*f);
        });
    }
    static void click(QWidget& form, const char* button) {
        auto* b = form.findChild<QPushButton*>(QLatin1String(button));
        ASSERT_NE(b, nullptr) << button;
        b->click();
    }
    // A mouse click on a grid cell, as the user makes it.
    static void clickCell(SpreadGrid& grid, int col, int row) {
        QTableView* view = grid.view();
        const QRect cell = view->visualRect(view->model()->index(row - 1, col - 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    }
    static QStringList column1(const SpreadGrid& grid) {
        QStringList out;
        for (int r = 1; r <= grid.maxRows(); ++r)
            out << grid.getText(1, r);
        return out;
    }
    // Every message box so far as "text|style".
    static QStringList boxes() {
        QStringList out;
        for (const msgbox::Shown& s : msgbox::shown())
            out << s.text + u'|' + QString::number(s.style);
        return out;
    }
    static QString box(const QString& text, int buttons, int icon) {
        return text + u'|' + QString::number(buttons | icon);
    }

private:
    QString savedStep;
};
