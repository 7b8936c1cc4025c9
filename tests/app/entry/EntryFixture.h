// A program folder with the program's schema and messages, the current patient and a hygienist, the
// minute step of the time lists, and helpers that drive the sub-screens through the modal seam.
#pragma once
#include "ScreenSteps.h"
#include "app/shell/MdlCommInterface.h"
#include "support/RecordBookFixture.h"

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
