#include "app/shell/FrmMKarteS_005.h"

#include "app/shell/FrmMKarteS_009.h"
#include "app/shell/MdlCommADODB.h"
#include "app/shell/MdlCommInterface.h"
#include "app/shell/MdlCommStructure.h"
#include "app/shell/MdlScreenKey.h"
#include "app/shell/PatientList.h"
#include "app/shell/PatientQueries.h"
#include "app/shell/ShellGlobals.h"
#include "platform/error/VbError.h"
#include "platform/text/Text.h"
#include "ui_FrmMKarteS_005.h"

using MdlCommInterface::PSuMousePointer;
using namespace patientsearch;

namespace {

const QString kWorkId = QStringLiteral("113");

// Connects and opens the read-only query. On failure the data layer has shown its message: the caller's
// log lines follow (connectLog, or the SQL failure and its text) and what was opened is closed.
bool openQuery(const QString& proc, const QString& connectLog, const QString& sql,
               std::unique_ptr<ado::Connection>& con, std::unique_ptr<ado::Recordset>& rs) {
    if (!MdlCommADODB::PFuBolDBConnect(con)) {
        PFuBolPutLog(proc, connectLog);
        return false;
    }
    long count = 0;
    if (!MdlCommADODB::PFuBolExecuteSql(sql, *con, count, 0, rs)) {
        PFuBolPutLog(proc, QStringLiteral("ＳＱＬの実行に失敗"));
        PFuBolPutLog(proc, QStringLiteral("StrSql:") + sql);
        MdlCommADODB::PFuDbConClose(*con);
        return false;
    }
    return true;
}

// How the text criterion field is set for options 1, 3 and 4.
struct TextCriterion {
    int maxLength;
    const char* format;
    ImText::ImeMode ime;
    bool autoConvert;
};

} // namespace

FrmMKarteS_005::FrmMKarteS_005(QWidget* parent)
    : forms::Form(parent), ui(std::make_unique<Ui::FrmMKarteS_005>()) {
    ui->setupUi(this);
    optSearch_ = {ui->OptSearch_0, ui->OptSearch_1, ui->OptSearch_2, ui->OptSearch_3, ui->OptSearch_4};
    cmdFNC_ = {ui->CmdFNC_0, ui->CmdFNC_1};
    for (int i = 0; i < 5; ++i)
        connect(optSearch_[i], &QRadioButton::clicked, this, [this, i] { OptSearch_Click(i); });
    for (int i = 0; i < 2; ++i)
        connect(cmdFNC_[i], &QPushButton::clicked, this, [this, i] { CmdFNC_Click(i); });
    connect(ui->SpdPatient, &SpreadGrid::DblClick, this, &FrmMKarteS_005::SpdPatient_DblClick);
    connect(ui->SpdPatient, &SpreadGrid::GotFocus, this, &FrmMKarteS_005::SpdPatient_GotFocus);
    connect(ui->ImdSearch, &ImDate::DblClick, this, &FrmMKarteS_005::ImdSearch_DblClick);
    connect(ui->CmdKeyboard, &QPushButton::clicked, this, &FrmMKarteS_005::CmdKeyboard_Click);
    connect(ui->CmdCancel, &QPushButton::clicked, this, &FrmMKarteS_005::CmdCancel_Click);
    setDefaultButton(ui->CmdFNC_1);
    setCancelButton(ui->CmdCancel);
    setUpPatientList(*ui->SpdPatient);
}

FrmMKarteS_005::~FrmMKarteS_005() = default;

SpreadGrid* FrmMKarteS_005::SpdPatient() const {
    return ui->SpdPatient;
}

void FrmMKarteS_005::Form_Load() {
    setLoadState(forms::LoadState::Loading);
    MdlCommInterface::PSuFormCaption(this, QString());
    MdlCommInterface::PSuFormCenter(this);
    setLoadState(FuBolFormInit() ? forms::LoadState::Ready : forms::LoadState::Failed);
}

bool FrmMKarteS_005::FuBolFormInit() {
    ui->OptSearch_0->setChecked(true);
    OptSearch_Click(0);
    clearPatientList(*ui->SpdPatient);
    ui->CmdFNC_1->setEnabled(false);
    bolSelect_ = false;
    ui->LblLoginName->setText(gStaffLoginInfo.staff_name);
    PSuMousePointer(11, this);
    const bool ok = FuBolPatientSerach(false);
    PSuMousePointer(0, this);
    return ok;
}

int FrmMKarteS_005::selectedOption() const {
    for (int i = 0; i < 5; ++i)
        if (optSearch_[i]->isChecked())
            return i;
    return -1;
}

void FrmMKarteS_005::OptSearch_Click(int index) {
    ImText* text = ui->ImtSearch;
    ImDate* date = ui->ImdSearch;
    text->clear();
    ui->CmdFNC_1->setEnabled(false);
    clearPatientList(*ui->SpdPatient);
    text->setEnabled(true);

    static const TextCriterion criteria[5] = {
        {},
        {20, "#", ImText::ImeOff, false},
        {},
        {10, "9Aa", ImText::ImeOff, false},
        {30, "Ｚ", ImText::ImeHiragana, true},
    };
    switch (index) {
    case OptAll:
        text->setVisible(true);
        text->setEnabled(false);
        date->setVisible(false);
        date->setTabStop(false);
        break;
    case OptTelephone:
    case OptCardNumber:
    case OptReading: {
        const TextCriterion& c = criteria[index];
        text->setVisible(true);
        date->setVisible(false);
        date->setTabStop(false);
        text->setIMEMode(c.ime);
        text->setMaxLength(c.maxLength);
        text->setFormat(QString::fromUtf8(c.format));
        text->setAutoConvert(c.autoConvert);
        break;
    }
    case OptBirthday:
        date->setVisible(true);
        date->setTabStop(true);
        text->setVisible(false);
        text->setEnabled(false);
        break;
    default:
        break;
    }
}

bool FrmMKarteS_005::FuBolPatientSerach(bool BolShowNone) {
    const QString proc = QStringLiteral("FuBolPatientSerach");
    const Search search = searchSql(selectedOption(), ui->ImtSearch->text(), ui->ImdSearch->Value());
    if (text::vbTrim(search.criterion).isEmpty()) {
        PFuDispMessage(kWorkId, QStringLiteral("201"), EnMsgDispButton::O, EnMsgDispIcon::W);
        return false;
    }
    SpreadGrid& grid = *ui->SpdPatient;
    std::unique_ptr<ado::Connection> con;
    std::unique_ptr<ado::Recordset> rs;
    try {
        if (!openQuery(proc, QStringLiteral("コネクション確立"), search.sql, con, rs))
            return false;
        clearPatientList(grid);
        grid.setReDraw(false);
        const std::vector<PatientRow> rows = readPatientRows(*rs);
        fillPatientList(grid, rows);
        grid.setReDraw(true);
        MdlCommADODB::PFuDbRsClose(*rs);
        MdlCommADODB::PFuDbConClose(*con);

        const bool none = rows.empty();
        ui->CmdFNC_1->setEnabled(!none);
        grid.setEnabled(!none);
        if (none && BolShowNone)
            PFuDispMessage(kWorkId, QStringLiteral("801"), EnMsgDispButton::O, EnMsgDispIcon::E);
        return true;
    } catch (const std::exception& e) {
        const QString desc = errorDescription(e);
        grid.setReDraw(true);
        PFuBolPutLog(proc, desc);
        PFuDispMessage(kWorkId, QStringLiteral("900"), EnMsgDispButton::O, EnMsgDispIcon::E,
                       QStringLiteral("\r\n") + desc);
        MdlCommADODB::PSuDbCloseQuietly(rs, con);
        return false;
    }
}

bool FrmMKarteS_005::FuBolSetData() {
    const QString proc = QStringLiteral("FuBolSetData");
    const SpreadGrid& grid = *ui->SpdPatient;
    const int row = grid.activeRow();
    const QString card = text::vbTrim(grid.getText(ColCardNumber, row));
    const QString sex = text::vbTrim(grid.getText(ColSex, row));
    // A patient that cannot be read (an empty row, or rows gone since the search) is not taken over:
    // the current patient stays whole and the dialog stays open.
    auto notRead = [&] {
        PFuBolPutLog(proc, QStringLiteral("患者情報が取得できない(診察券番号:") + card + u')');
        PFuDispMessage(kWorkId, QStringLiteral("802"), EnMsgDispButton::O, EnMsgDispIcon::E);
        return false;
    };
    if (card.isEmpty())
        return notRead();

    std::unique_ptr<ado::Connection> con;
    std::unique_ptr<ado::Recordset> rs;
    try {
        const QString sql = patientSql(card);
        if (!openQuery(proc, QStringLiteral("コネクション確立に失敗"), sql, con, rs))
            return false;
        // Filled on a copy: a read that fails halfway leaves the current patient as it was.
        PatientInfo info;
        const bool found = readPatientInfo(*rs, sex, QStringLiteral("0"), info);
        MdlCommADODB::PFuDbRsClose(*rs);
        MdlCommADODB::PFuDbConClose(*con);
        if (!found)
            return notRead();
        gPatientInfo = std::move(info);
        return true;
    } catch (const std::exception& e) {
        PFuBolPutLog(proc, errorDescription(e));
        PFuDispMessage(kWorkId, QStringLiteral("900"), EnMsgDispButton::O, EnMsgDispIcon::Manual);
        MdlCommADODB::PSuDbCloseQuietly(rs, con);
        return false;
    }
}

void FrmMKarteS_005::CmdFNC_Click(int index) {
    PSuMousePointer(11, this);
    switch (index) {
    case 0:
        FuBolPatientSerach(true);
        if (ui->SpdPatient->isEnabled())
            ui->CmdFNC_0->setFocus();
        PSuMousePointer(0, this);
        break;
    case 1:
        if (FuBolSetData()) {
            PSuMousePointer(0, this);
            bolSelect_ = true;
            emit patientChosen();
            hide();
            unloadForm(forms::UnloadMode::Code);
        } else {
            PSuMousePointer(0, this);
        }
        break;
    default:
        PSuMousePointer(0, this);
        break;
    }
}

void FrmMKarteS_005::SpdPatient_DblClick(int, int row) {
    if (row > 0)
        CmdFNC_Click(1);
}

void FrmMKarteS_005::SpdPatient_GotFocus() {
    // An empty list passes the focus on, as one Tab key press would.
    if (ui->SpdPatient->maxRows() == 0)
        focusNextChild();
}

void FrmMKarteS_005::ImdSearch_DblClick() {
    if (!FrmMKarteS_009::PFuFrmCalenInit(ui->ImdSearch))
        PFuDispMessage(kWorkId, QStringLiteral("899"), EnMsgDispButton::O, EnMsgDispIcon::Manual);
}

void FrmMKarteS_005::CmdKeyboard_Click() {
    MdlScreenKey::PSuScreenKeyShow();
}

void FrmMKarteS_005::CmdCancel_Click() {
    unloadForm(forms::UnloadMode::Code);
}
