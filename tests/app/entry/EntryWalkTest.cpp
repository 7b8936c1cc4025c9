// One visit walked end to end on the demo database, as a hygienist works: log in, find the patient, open
// the record book, enter an instruction and accept it, edit it, save, open the book again and find the
// line, delete and restore it, and print its record sheet to PDF.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "ScreenSteps.h"
#include "app/entry/EntryClock.h"
#include "app/entry/FrmMKarte03_002.h"
#include "app/entry/FrmMKarte03_004.h"
#include "app/entry/FrmMKarteS_001.h"
#include "app/entry/FrmMKarteS_008.h"
#include "app/entry/MdlPlaqueEntry.h"
#include "app/printing/FrmMKarte03_005.h"
#include "app/printing/MdlPrinterSetup.h"
#include "app/recordbook/FrmMKarte02_001.h"
#include "app/recordbook/KarteRowBlocks.h"
#include "app/recordbook/RecordBookServices.h"
#include "app/recordcore/KarteGlobals.h"
#include "app/shell/FrmMKarteS_005.h"
#include "app/shell/MdlCommADODB.h"
#include "app/shell/MdlCommInterface.h"
#include "app/shell/main/StartupFixture.h"
#include "controls/dental/PlaqueCheck.h"
#include "controls/timeentry/MyImTime.h"
#include "controls/toothchart/DText.h"
#include "platform/fields/ImText.h"
#include "platform/printer/Printer.h"
#include "platform/spread/SpreadGrid.h"

namespace {

using Entry = FrmMKarte03_002;
using Book = FrmMKarte02_001;

class EntryWalk : public StartupFixture {
protected:
    void SetUp() override {
        StartupFixture::SetUp();
        for (const char* file : {"Orvanta.ini", "Orvanta.mdb", "message/OrvantaMessage.txt"}) {
            const QString to = f.prog() + u'/' + QLatin1String(file);
            QDir().mkpath(QFileInfo(to).path());
            ASSERT_TRUE(QFile::copy(QStringLiteral(ORVANTA_BIN_DIR "/") + QLatin1String(file), to)) << file;
            QFile(to).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        modal::clearResponders();
        modal::clearShown();
        setRecordBookServices({});
        PSuRecordBookRegister();
        MdlPlaqueEntry::PSuPlaqueEntryRegister();
        pdf = f.root() + QStringLiteral("/sheet.pdf");
    }
    void TearDown() override {
        modal::clearResponders();
        setRecordBookServices({});
        printer::clearFilePrinters();
        printer::resetCurrentPrinter();
        MdlPrinterSetup::resetRememberedPrinter();
        MdlKarteMain::resetRecordBookGlobals();
        StartupFixture::TearDown();
    }

    // The menu's record button with the patient found by card number; book runs on the shown book.
    void openBook(const std::function<void(Book&)>& book) {
        onScreen<FrmMKarteS_005>([](FrmMKarteS_005& d) {
            d.OptSearch(3)->click();
            d.findChild<ImText*>(QStringLiteral("ImtSearch"))->setText(QStringLiteral("100074"));
            d.CmdFNC(0)->click();
            ASSERT_EQ(d.SpdPatient()->maxRows(), 1);
            d.SpdPatient()->setActiveCell(1, 1);
            d.CmdFNC(1)->click();
        });
        bool shown = false;
        onScreen<Book>([&](Book& b) {
            shown = true;
            book(b);
        });
        FrmMKarte01_002::loaded()->CmdKarte(2)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(shown);
    }
    // Opens the entry screen from the book's button; act runs on the shown, activated screen.
    static void entry(Book& b, const char* button, const std::function<void(Entry&)>& act) {
        bool shown = false;
        onScreen<Entry>([&](Entry& e) {
            shown = true;
            activate(e);
            act(e);
        });
        click(b, button);
        EXPECT_TRUE(shown) << button;
    }
    static QString recAt(Book& b, int row) { return b.SpdKarte()->getText(4, row); }
    static int rowOf(Book& b, const QString& rec) {
        for (int r = 1; r <= b.SpdKarte()->maxRows(); ++r)
            if (recAt(b, r) == rec)
                return r;
        return 0;
    }
    QStringList boxes() const {
        QStringList t;
        for (const msgbox::Shown& s : msgbox::shown())
            t << s.text.section(u'\r', 0, 0);
        return t;
    }
    // One value of the demo database as it is now.
    QStringList rows(const QString& sql) {
        std::unique_ptr<ado::Connection> con;
        std::unique_ptr<ado::Recordset> rs;
        long n = 0;
        QStringList out;
        if (!MdlCommADODB::PFuBolDBConnect(con) || !MdlCommADODB::PFuBolExecuteSql(sql, *con, n, 0, rs))
            return {QStringLiteral("<failed>")};
        for (; !rs->eof(); rs->moveNext()) {
            QStringList cells;
            for (int i = 0; i < rs->fieldCount(); ++i)
                cells << MdlCommInterface::PFuStrNullToStr(rs->field(i));
            out << cells.join(u'|');
        }
        return out;
    }

    QString pdf;
};

} // namespace

TEST_F(EntryWalk, OneVisitFromLoginToPrintedSheet) {
    ASSERT_TRUE(MdlMain::Main(f.prog()));
    FrmMKarte01_001* login = FrmMKarte01_001::loaded();
    ASSERT_NE(login, nullptr);
    auto* staff = login->findChild<QComboBox*>(QStringLiteral("CboStaffName"));
    staff->setCurrentIndex(staff->findText(QStringLiteral("青木 美咲")));
    login->findChild<QLineEdit*>(QStringLiteral("ImtPassWord"))->setText(QStringLiteral("aoki01"));
    click(*login, "CmdLogin");
    ASSERT_NE(FrmMKarte01_002::loaded(), nullptr);
    printer::addFilePrinter(QStringLiteral("PDF"), pdf);
    ASSERT_TRUE(printer::currentPrinter().select(QStringLiteral("PDF")));
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd"));

    QString rec, plaque;
    openBook([&](Book& b) {
        // The first free row below the book's last line.
        SpreadGrid& g = *b.SpdKarte();
        int row = g.maxRows();
        while (row > 1 && MdlKarteMain::FuBolIsFreeRow(g, row - 1))
            --row;
        g.setActiveCell(1, row);
        entry(b, "CmdNew_7", [&](Entry& e) {
            EXPECT_EQ(e.record().mode, QStringLiteral("1"));
            EXPECT_EQ(e.findChild<QLabel*>(QStringLiteral("LblName"))->text(), QStringLiteral("松本 悠斗"));
            // The last visit of 2024/06/18 stands in the history panel.
            EXPECT_EQ(e.findChild<QLabel*>(QStringLiteral("LblDateHitory"))->text(),
                      QStringLiteral("令06年06月18日"));
            e.ImiTime(0)->setText(QStringLiteral("10:00"));
            e.ImiTime(1)->setText(QStringLiteral("10:30"));
            QTest::mouseClick(e.PlaqueCheckCell(2), Qt::LeftButton, {}, QPoint(17, 4));
            QTest::mouseClick(e.PlaqueCheckCell(9), Qt::LeftButton, {}, QPoint(4, 17));
            // The implements: only the two ticked here.
            SpreadGrid& items = *e.SpdCleaning();
            for (int r = 1; r <= items.maxRows(); ++r) {
                items.setRow(r);
                items.setSelModeSelected(false);
            }
            clickCell(items, 1, 1);
            clickCell(items, 1, 5);
            // A stock comment, then a tooth glyph and small text after it.
            onScreen<FrmMKarte03_004>([](FrmMKarte03_004& p) {
                clickCell(*p.findChild<SpreadGrid*>(QStringLiteral("SpdContents")), 1, 1);
                click(p, "CmdFNC");
            });
            click(e, "CmdInstMainPoint_0");
            onScreen<FrmMKarteS_001>([](FrmMKarteS_001& s) {
                QTest::mouseClick(s.findChild<QPushButton*>(QStringLiteral("cmdPer_160")), Qt::LeftButton);
                click(s, "CmdFNC_0");
            });
            click(e, "CmdInstMainPoint_1");
            onScreen<FrmMKarteS_008>([](FrmMKarteS_008& s) {
                s.findChild<QLineEdit*>(QStringLiteral("txtString"))->setText(QStringLiteral("要確認"));
                click(s, "CmdFNC_0");
            });
            click(e, "CmdInstMainPoint_2");
            EXPECT_TRUE(e.DtxComment(0)->PPoStrDString().contains(QStringLiteral("/{DC")));
            EXPECT_TRUE(e.DtxComment(0)->PPoStrDString().endsWith(QStringLiteral("/{B要確認/}")));
            grab(e, QStringLiteral("walk_entry_new.png"));
            // The chart started from the last visit's plaque: what is stored is what the screen shows.
            plaque = plaquechart::cellCode(*e.PlaqueCheckCell(2), 0) + u'|' +
                     plaquechart::cellCode(*e.PlaqueCheckCell(9), 1);
            click(e, "CmdUpdate");
        });
        rec = recAt(b, row);
        ASSERT_FALSE(rec.isEmpty());
        EXPECT_EQ(MdlKarteMain::lineAt(rec.toLong()).karte_date, today);

        // Edited before it is saved: a new line opens editable with what was entered.
        g.setActiveCell(1, row);
        entry(b, "CmdLineEdit", [&](Entry& e) {
            EXPECT_EQ(e.record().mode, QStringLiteral("2"));
            EXPECT_EQ(e.ImiTime(1)->text(), QStringLiteral("10:30"));
            EXPECT_EQ(e.PlaqueCheckCell(2)->PlaqueU(), true);
            e.ImiTime(1)->setText(QStringLiteral("10:40"));
            e.DtxComment(1)->setPPoStrDString(QStringLiteral("次回は歯間ブラシを確認"));
            click(e, "CmdUpdate");
        });
        grab(b, QStringLiteral("walk_book_unsaved.png"));
        click(b, "CmdUpdate");
        EXPECT_TRUE(boxes().contains(QStringLiteral("カルテを保存しました。")));
        click(b, "CmdCancel");
    });
    ASSERT_FALSE(rec.isEmpty());
    const QString where = QStringLiteral(" WHERE personal_id = '100074' AND entry = '") + today + u'\'';
    EXPECT_EQ(
        rows(QStringLiteral("SELECT inst_start_time, inst_end_time, communicate_point, prq_ur3, prq_ul2 "
                            "FROM m_actual_instruction") +
             where),
        QStringList{QStringLiteral("10:00|10:40|次回は歯間ブラシを確認|") + plaque});
    EXPECT_EQ(plaque.at(2), u'1'); // the outer face of upper right 3, clicked
    EXPECT_EQ(rows(QStringLiteral("SELECT cleaning_imp FROM m_selection_imp") + where +
                   QStringLiteral(" ORDER BY select_no")),
              (QStringList{"歯ブラシ（ふつう）", "デンタルフロス"}));

    // Opened again: the line is there, stored; viewed, deleted, restored, and its sheet printed.
    msgbox::clearShown();
    openBook([&](Book& b) {
        const int row = rowOf(b, rec);
        ASSERT_GT(row, 0);
        SpreadGrid& g = *b.SpdKarte();
        grab(b, QStringLiteral("walk_book_saved.png"));
        g.setActiveCell(1, row);
        entry(b, "CmdLineEdit", [](Entry& e) {
            EXPECT_EQ(e.record().mode, QStringLiteral("3"));
            EXPECT_FALSE(e.findChild<QPushButton*>(QStringLiteral("CmdUpdate"))->isEnabled());
            EXPECT_EQ(e.ImiTime(1)->text(), QStringLiteral("10:40"));
            click(e, "CmdFNC_1");
        });
        EXPECT_EQ(MdlKarteMain::lineAt(rec.toLong()).del_mark, QStringLiteral("1"));
        grab(b, QStringLiteral("walk_book_deleted.png"));
        g.setActiveCell(1, row);
        entry(b, "CmdLineEdit", [](Entry& e) {
            EXPECT_EQ(e.record().mode, QStringLiteral("4"));
            EXPECT_TRUE(e.findChild<QWidget*>(QStringLiteral("Brannic"))->isVisible());
            grab(e, QStringLiteral("walk_entry_deleted.png"));
            click(e, "CmdFNC_2");
        });
        // The mark taken back is handed over as one blank; the line is no longer marked.
        EXPECT_EQ(gKarteInfo.visit.del_mark, QStringLiteral(" "));
        EXPECT_NE(MdlKarteMain::lineAt(rec.toLong()).del_mark, QStringLiteral("1"));
        g.setActiveCell(1, row);
        entry(b, "CmdLineEdit", [&](Entry& e) {
            onScreen<FrmMKarte03_005>([](FrmMKarte03_005& s) {
                // The visit on screen is listed first and ticked.
                EXPECT_EQ(s.SpdEkList()->getText(1, 1), QStringLiteral("1"));
                click(s, "CmdPrint");
            });
            onScreen<QWidget>([](QWidget& dialog) { click(dialog, "cmdOK"); });
            click(e, "CmdPrint");
            click(e, "CmdCancel");
        });
        click(b, "CmdUpdate");
        click(b, "CmdCancel");
    });
    EXPECT_EQ(
        rows(QStringLiteral("SELECT del_mark FROM m_kh_record WHERE personal_id = '100074' AND rec_no = ") +
             rec),
        QStringList{QString()});
    ASSERT_TRUE(QFile::exists(pdf));
    if (qEnvironmentVariableIsSet("ORVANTA_GRAB_DIR"))
        QFile::copy(pdf, qEnvironmentVariable("ORVANTA_GRAB_DIR") + QStringLiteral("/walk_sheet.pdf"));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(60000));
    QString all = QString::fromUtf8(text.readAllStandardOutput());
    all.replace(QChar(0x301C), QChar(0xFF5E));
    for (const char* s : {"実地指導記録", "松本 悠斗 様", "10時00分～10時40分", "青木 美咲", "要確認",
                          "歯ブラシ（ふつう）、デンタルフロス"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(s))) << s;
    EXPECT_FALSE(all.contains(QStringLiteral("次回は歯間ブラシ"))); // the memo is never printed
}
