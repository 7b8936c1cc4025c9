// Fixture for driving the start-up on prepared program folders: working directory, instance lock,
// progress recorder and quit handler set up; forms, services and globals cleaned up afterwards.
#pragma once
#include <QApplication>
#include <QDir>
#include <gtest/gtest.h>
#include <vector>

#include "ProgramFolder.h"
#include "app/printing/PrintingGlobals.h"
#include "app/shell/FrmMKarte01_001.h"
#include "app/shell/FrmMKarte01_002.h"
#include "app/shell/FrmMKarte99_002.h"
#include "app/shell/MdlMain.h"
#include "app/shell/ShellGlobals.h"
#include "platform/msgbox/MsgBox.h"

// Everything a start-up leaves behind, gone: services, settings values, records, the print dialog.
inline void resetProgramGlobals() {
    MdlMain::PSuCommObjRelease();
    resetShellGlobals();
    resetPrintingGlobals();
}

class StartupFixture : public ::testing::Test {
protected:
    void SetUp() override {
        oldCwd_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(f.cwd()));
        MdlMain::releaseInstanceLock();
        MdlMain::setInstanceLockPath(f.root() + QStringLiteral("/instance.lock"));
        msgbox::clearShown();
        msgbox::clearAnswers();
        FrmMKarte99_002::setProgressRecorder([this](long v) { progress.push_back(v); });
        FrmMKarte01_001::setQuitHandler([this] { ++quits; });
        resetProgramGlobals();
        PSuPrintingRegisterRelease();
    }

    void TearDown() override {
        if (FrmMKarte01_001* login = FrmMKarte01_001::loaded())
            login->close();
        FrmMKarte99_002::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        FrmMKarte99_002::setProgressRecorder({});
        FrmMKarte01_001::setQuitHandler({});
        FrmMKarte01_002::setRecordServices({});
        resetProgramGlobals();
        MdlMain::releaseInstanceLock();
        MdlMain::setInstanceLockPath(QString());
        QDir::setCurrent(oldCwd_);
    }

    QStringList boxTexts() const {
        QStringList t;
        for (const msgbox::Shown& s : msgbox::shown())
            t << s.text;
        return t;
    }

    bool servicesReleased() const { return !gObjIniFile && !gObjLogging && !gObjMessage; }

    progfolder::Folder f;
    std::vector<long> progress;
    int quits = 0;

private:
    QString oldCwd_;
};
