// The printing's test ground: the shipped message file and a log in a temporary folder, a file
// printer writing PDF there, a clinic and a current patient; PDF readers over poppler's tools.
#pragma once
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/printing/FrmMKarteS_010.h"
#include "app/printing/MdlPrinterSetup.h"
#include "app/printing/PrintingGlobals.h"
#include "app/recordcore/KarteGlobals.h"
#include "app/shell/MdlCommStructure.h"
#include "app/shell/ShellGlobals.h"
#include "platform/msgbox/Modal.h"
#include "platform/msgbox/MsgBox.h"
#include "platform/printer/Printer.h"
#include "support/PdfTools.h"
#include "support/TestSupport.h"

// Readable QString values in failure output.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

using pdftools::keptFile;

class PrintingFixture : public ::testing::Test {
protected:
    static inline const QString kPdfPrinter = QStringLiteral("PDF");

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        const QString shipped = QStringLiteral(ORVANTA_BIN_DIR "/message/OrvantaMessage.txt");
        ASSERT_TRUE(QFile::exists(shipped)) << "build the program folder first";
        gObjMessage = std::make_unique<clsMessage>();
        gObjMessage->PoSetDirPath(shipped);
        gObjLogging = std::make_unique<clsLogging>();
        gObjLogging->PoSetLogFilePath(path(QStringLiteral("test.log")));
        msgbox::clearShown();
        msgbox::clearAnswers();
        modal::clearResponders();
        modal::clearShown();
        if (FrmMKarteS_010* kept = FrmMKarteS_010::loaded())
            kept->unloadForm(forms::UnloadMode::Code);
        resetPrintingGlobals();
        MdlPrinterSetup::resetRememberedPrinter();
        printer::clearFilePrinters();
        printer::resetCurrentPrinter();
        gBolPrintDialog = false;
        savedPatient = gPatientInfo;
        savedClinic = gClinicInfo;
        gClinicInfo = ClinicInfo();
        gClinicInfo.clinic_name = QStringLiteral("さくら歯科クリニック");
        gClinicInfo.establishment_name = QStringLiteral("佐藤 一郎");
        gPatientInfo = PatientInfo();
        gPatientInfo.personal_id = QStringLiteral("000123");
        gPatientInfo.name = QStringLiteral("山田 花子");
        gPatientInfo.birthday = QStringLiteral("1980/05/12");
        gPatientInfo.age = QStringLiteral("43");
        gPatientInfo.sex_name = QStringLiteral("女");
        MdlKarteMain::resetRecordBookGlobals();
    }

    void TearDown() override {
        if (FrmMKarteS_010* kept = FrmMKarteS_010::loaded())
            kept->unloadForm(forms::UnloadMode::Code);
        resetPrintingGlobals();
        printer::clearFilePrinters();
        printer::resetCurrentPrinter();
        MdlKarteMain::resetRecordBookGlobals();
        gPatientInfo = savedPatient;
        gClinicInfo = savedClinic;
        gBolPrintDialog = false;
        modal::clearResponders();
        gObjLogging.reset();
        gObjMessage.reset();
    }

    QString path(const QString& relative) const { return dir.filePath(relative); }

    // A file printer writing to pdf (in the temporary folder unless the path is absolute), made current.
    QString useFilePrinter(const QString& pdf = QStringLiteral("out.pdf"),
                           const QString& name = kPdfPrinter) {
        const QString file = QDir::isAbsolutePath(pdf) ? pdf : path(pdf);
        printer::addFilePrinter(name, file);
        EXPECT_TRUE(printer::currentPrinter().select(name));
        return file;
    }

    QList<LogLine> logLines() const { return testsupport::ringLogLines(path(QStringLiteral("test.log"))); }

    // The message boxes shown, as "work/number" read back from their texts is not possible: the
    // texts themselves.
    static QStringList shownTexts() {
        QStringList out;
        for (const msgbox::Shown& s : msgbox::shown())
            out << s.text;
        return out;
    }

    // Output of a poppler tool on a file ("" when it cannot run).
    static QString tool(const QString& program, QStringList args) { return pdftools::run(program, args); }
    static int pdfPages(const QString& pdf) { return pdftools::pages(pdf); }
    static QString pdfText(const QString& pdf, int page = 0) { return pdftools::text(pdf, page); }

    QTemporaryDir dir;
    PatientInfo savedPatient;
    ClinicInfo savedClinic;
};
