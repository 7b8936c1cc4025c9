#include "app/recordbook/MdlKartePrint.h"

#include <QLabel>
#include <QPrinter>
#include <algorithm>

#include "app/printing/MdlPrinterSetup.h"
#include "app/recordbook/FrmMKarte02_001.h"
#include "app/recordbook/KarteMonthChain.h"
#include "app/recordbook/KarteMonthView.h"
#include "app/recordbook/RecordBookServices.h"
#include "app/recordcore/KarteGlobals.h"
#include "app/recordcore/KarteTrap.h"
#include "app/shell/MdlCommADODB.h"
#include "app/shell/MdlCommInterface.h"
#include "app/shell/MdlCommStructure.h"
#include "app/shell/ShellGlobals.h"
#include "platform/error/VbError.h"
#include "platform/printer/Printer.h"
#include "platform/spread/SpreadGrid.h"
#include "platform/text/Text.h"

using MdlCommInterface::PSuMousePointer;

namespace MdlKartePrint {

namespace {

const QString kWork = QStringLiteral("011");
const QString kCrLf = QStringLiteral("\r\n");
const QString kSection = QStringLiteral("Printer");
// Column of a line's rec_no and column of the row marker.
constexpr int kColRec = 4;
constexpr int kColMarker = 5;
const QString kContinued = QStringLiteral("@");
// The name in the header takes this many characters, padded with ideographic spaces.
constexpr int kNameChars = 15;
// An address this long or longer goes on two lines in the smaller font.
constexpr int kAddressChars = 38;

QString labelText(FrmMKarte02_001& screen, const char* name) {
    const QLabel* l = screen.label(name);
    return l ? l->text() : QString();
}

// A margin from the settings file in whole twips; the default when the value is missing or no number.
float marginOf(const QString& key, float fallback) {
    try {
        return static_cast<float>(
            text::vbCLng(PFuStrReadIniFile(kSection, key, QString()), QStringLiteral("SuGetPrintMargin")));
    } catch (const std::exception&) {
        return fallback;
    }
}

void setBreak(SpreadGrid& grid, long row, bool on) {
    grid.setRow(static_cast<int>(row));
    grid.setRowPageBreak(on);
}

// Rows the longest printed page holds: 40, or more where a break moved up to a line's first row and
// the next test still came 40 rows after the row tested. The grid shrinks its print to hold them, so
// its own page ends never fall inside a line.
int longestPageRows(SpreadGrid& grid) {
    int longest = 0;
    int first = 1;
    for (int r = 1; r <= grid.maxRows(); ++r) {
        grid.setRow(r);
        if (grid.rowPageBreak())
            first = r;
        if (!grid.getText(kColMarker, r).isEmpty())
            longest = std::max(longest, r - first + 1);
    }
    return std::max(kPageRows, longest);
}

// The newest insurance entry of the current patient; a patient without one is error 9.
const InsuranceData& newestInsurance() {
    if (gPatientInfo.insurance.empty())
        throw VbError::of(9, QStringLiteral("Orvanta"), QStringLiteral("gPatientInfo.insurance"));
    return gPatientInfo.insurance.back();
}

// The grid's print settings for the record book, then the print itself.
void printSheet(SpreadGrid& grid, const QString& header) {
    grid.setPrintHeader(header);
    grid.setPrintFooter(kFooter);
    grid.setPrintJobName(kJobName);
    grid.setPrintMarginLeft(gSngPrintMarginLeft);
    grid.setPrintMarginRight(gSngPrintMarginRight);
    grid.setPrintMarginTop(gSngPrintMarginTop);
    grid.setPrintMarginBottom(gSngPrintMarginBottom);
    grid.setPrintAbortMsg(QString());
    grid.setPrintType(0);
    grid.setPrintUseDataMax(true);
    grid.setPrintColHeaders(true);
    grid.setPrintRowHeaders(true);
    grid.setPrintBorder(true);
    grid.setPrintShadows(true);
    grid.setPrintColor(true);
    grid.setPrintGrid(true);
    // A page holds the header, the footer and every row between two of the book's breaks, whatever the
    // margins: the cells print smaller where their own height would not fit.
    grid.setPrintFitRows(longestPageRows(grid));
    // The grid's remaining print settings already are what this print needs: pages numbered from 1,
    // down the rows first, the orientation the print set-up gave the printer.
    if (!grid.printSheet(false))
        throw VbError(482, QStringLiteral("SpdKarte"),
                      QStringLiteral("プリンタ エラーです。 (") + printer::currentPrinter().DeviceName() +
                          u')');
}

} // namespace

bool FuBolEditNoData(SpreadGrid& grid) {
    for (int r = 1; r <= grid.maxRows(); ++r)
        if (!MdlCommInterface::PFuBolIsEmpty(grid.getText(kColRec, r)))
            return true;
    return false;
}

bool FuBolEditChange() {
    for (long rec : MdlKarteMain::monthRecs())
        if (MdlKarteMain::lineAt(rec).changed)
            return true;
    return false;
}

void SuGetPrintMargin() {
    gSngPrintMarginTop = marginOf(QStringLiteral("PrintMarginTop"), 567);
    gSngPrintMarginBottom = marginOf(QStringLiteral("PrintMarginBottom"), 567 / 2.0f);
    gSngPrintMarginLeft = marginOf(QStringLiteral("PrintMarginLeft"), 567);
    gSngPrintMarginRight = marginOf(QStringLiteral("PrintMarginRight"), 567);
}

void SuBackSearch(SpreadGrid& grid, long& row) {
    long r = row - 1;
    while (r > 0 && grid.getText(kColMarker, static_cast<int>(r)) == kContinued)
        --r;
    row = r;
    if (r > 0)
        setBreak(grid, r, true);
}

void SetPageBreak(SpreadGrid& grid) {
    const int maxRows = grid.maxRows();
    // A break left from an earlier print (another month, other lines) must not cut this one.
    for (int r = 1; r <= maxRows; ++r)
        setBreak(grid, r, false);
    if (maxRows <= kPageRows)
        return;
    int count = kPageRows + 1;
    for (long r = kPageRows + 1; r <= maxRows; ++r) {
        if (count == kPageRows + 1) {
            const QString marker = grid.getText(kColMarker, static_cast<int>(r));
            if (marker != kContinued) {
                setBreak(grid, r, true);
            } else {
                long first = r;
                SuBackSearch(grid, first);
            }
            // The month ends in empty rows: the first empty one tested ends the lines.
            if (marker.isEmpty())
                return;
            count = 1;
        }
        ++count;
    }
}

QString headerText(const HeaderData& d) {
    QString address = d.address;
    if (address.size() >= kAddressChars)
        address = QStringLiteral("/f3") + address.left(kAddressChars) + QStringLiteral("/n") +
                  address.mid(kAddressChars);
    return QStringLiteral("/fn\"ＭＳ 明朝\"/fz\"18\"/fb0/fi0/fu0/fk0/fs1") +
           QStringLiteral("/fn\"ＭＳ 明朝\"/fz\"12\"/fb0/fi0/fu0/fk0/fs2") +
           QStringLiteral("/fn\"ＭＳ 明朝\"/fz\"10\"/fb0/fi0/fu0/fk0/fs3") +
           QStringLiteral("/f1/c歯　科　診　療　録") + QStringLiteral("/n/n/f2") + QStringLiteral("氏名:") +
           (d.name + QString(kNameChars, QChar(0x3000))).left(kNameChars) + QStringLiteral("   生年月日:") +
           d.birthday + QStringLiteral("   性別:") + d.sex + QStringLiteral("/n") + QStringLiteral("住所:") +
           address + QStringLiteral("/nTEL :") + d.telNo + QStringLiteral("/n") + QStringLiteral("職業:") +
           d.occupation;
}

bool FuHeaderMake(FrmMKarte02_001& screen, QString& header) {
    using namespace MdlCommADODB;
    std::unique_ptr<ado::Connection> con;
    std::unique_ptr<ado::Recordset> rs;
    try {
        const InsuranceData& insurance = newestInsurance();
        if (!PFuBolDBConnect(con))
            return false;
        const QString sql =
            QStringLiteral("SELECT IIF(ISNULL(employ_name),'',employ_name) AS employ_name FROM "
                           "m_employ_m where employ_code = '") +
            ado::sqlQuote(insurance.employ_code) + QStringLiteral("'");
        long count = 0;
        if (!PFuBolExecuteSql(sql, *con, count, 0, rs)) {
            // The data layer has shown and logged the statement's own error.
            PFuDbConClose(*con);
            PFuDispMessage(kWork, QStringLiteral("802"), EnMsgDispButton::O, EnMsgDispIcon::E);
            return false;
        }
        const QString occupation =
            rs->eof() ? QStringLiteral("なし")
                      : MdlCommInterface::PFuStrNullToStr(rs->field(QStringLiteral("employ_name")));
        const bool closed = PFuDbRsClose(*rs);
        rs.reset();
        PFuDbConClose(*con);
        if (!closed)
            return false;
        header = headerText({labelText(screen, "LblPatientName"), labelText(screen, "LblBirthday"),
                             labelText(screen, "LblSex"), insurance.address, insurance.tel_no, occupation});
        return true;
    } catch (const std::exception& e) {
        PSuDbCloseQuietly(rs, con);
        return MdlKarteMain::trapped(QStringLiteral("FuHeaderMake"), QStringLiteral("829"), e,
                                     EnMsgDispIcon::E, kCrLf + errorDescription(e));
    }
}

void CmdPrint_Click(FrmMKarte02_001& screen) {
    SpreadGrid& grid = *screen.SpdKarte();
    PSuMousePointer(11, &screen);
    try {
        if (!FuBolEditNoData(grid)) {
            PSuMousePointer(0, &screen);
            PFuDispMessage(kWork, QStringLiteral("215"), EnMsgDispButton::O, EnMsgDispIcon::Manual);
            return;
        }
        // Unsaved lines are saved before they are printed.
        if (FuBolEditChange()) {
            PSuMousePointer(0, &screen);
            PFuDispMessage(kWork, QStringLiteral("214"), EnMsgDispButton::O, EnMsgDispIcon::Manual);
            return;
        }
        // A month that cannot be laid again (its message shown) is not printed half laid.
        if (!MdlKarteMain::PFuBolKarteMonthDisp(screen.sheet(), -1) ||
            MdlPrinterSetup::PFuLngSetPrintCnf(&screen, 9, 1) != MdlPrinterSetup::kPrintGo) {
            PSuMousePointer(0, &screen);
            return;
        }
        screen.setEnabled(false);
        grid.setHDCPrinter(&printer::currentPrinter().device());
        SuGetPrintMargin();
        SetPageBreak(grid);
        QString header;
        if (FuHeaderMake(screen, header))
            printSheet(grid, header);
        PSuMousePointer(0, &screen);
    } catch (const std::exception& e) {
        PSuMousePointer(0, &screen);
        MdlKarteMain::trapped(QStringLiteral("CmdPrint_Click"), QStringLiteral("900"), e,
                              EnMsgDispIcon::Manual, kCrLf + errorDescription(e));
    }
}

void PSuKartePrintRegister() {
    RecordBookServices services = recordBookServices();
    services.printKarte = CmdPrint_Click;
    setRecordBookServices(std::move(services));
}

} // namespace MdlKartePrint
