#include "app/entry/FrmMKarte03_004.h"

#include "app/entry/EntryQueries.h"
#include "app/entry/MdlSubScreen.h"
#include "app/entry/TextList.h"
#include "app/shell/MdlCommADODB.h"
#include "app/shell/MdlCommInterface.h"
#include "app/shell/MdlScreenKey.h"
#include "app/shell/ShellGlobals.h"
#include "controls/toothchart/DText.h"
#include "platform/ado/Ado.h"
#include "platform/spread/SpreadGrid.h"
#include "ui_FrmMKarte03_004.h"

using MdlCommInterface::PSuMousePointer;
using namespace commentmaster;

namespace {

constexpr int kKeyUp = 38;
constexpr int kKeyDown = 40;

// The added text of a failed read's message: a line break and the error's description, when one is
// at hand (the data layer has shown its own message with it already).
QString withDescription(const QString& description) {
    return description.isEmpty() ? QString() : QStringLiteral("\r\n") + description;
}

} // namespace

FrmMKarte03_004::FrmMKarte03_004(QWidget* parent)
    : forms::Form(parent), ui(std::make_unique<Ui::FrmMKarte03_004>()) {
    ui->setupUi(this);
    connect(ui->SpdClass, &SpreadGrid::Click, this, &FrmMKarte03_004::SpdClass_Click);
    connect(ui->SpdContents, &SpreadGrid::Click, this, &FrmMKarte03_004::SpdContents_Click);
    connect(ui->SpdClass, &SpreadGrid::KeyDown, this, &FrmMKarte03_004::SpdClass_KeyDown);
    connect(ui->SpdContents, &SpreadGrid::KeyDown, this, &FrmMKarte03_004::SpdContents_KeyDown);
    connect(ui->CmdFNC, &QPushButton::clicked, this, &FrmMKarte03_004::CmdFNC_Click);
    connect(ui->CmdCancel, &QPushButton::clicked, this, &FrmMKarte03_004::CmdCancel_Click);
    connect(ui->CmdPart, &QPushButton::clicked, this, &FrmMKarte03_004::CmdPart_Click);
    connect(ui->CmdBottomChar, &QPushButton::clicked, this, &FrmMKarte03_004::CmdBottomChar_Click);
    connect(ui->CmdKeyboard, &QPushButton::clicked, this, &FrmMKarte03_004::CmdKeyboard_Click);
    // CmdSpecialChar has no action.
    setCancelButton(ui->CmdCancel);
    textlist::setUpTextList(*ui->SpdClass, 3);
    textlist::setUpTextList(*ui->SpdContents, 3);
}

FrmMKarte03_004::~FrmMKarte03_004() = default;

SpreadGrid* FrmMKarte03_004::SpdClass() const {
    return ui->SpdClass;
}

SpreadGrid* FrmMKarte03_004::SpdContents() const {
    return ui->SpdContents;
}

DText* FrmMKarte03_004::DtxComment() const {
    return ui->DtxComment;
}

void FrmMKarte03_004::PSuCloseWindowt() {
    unloadForm(forms::UnloadMode::Code);
}

void FrmMKarte03_004::Form_Load() {
    setLoadState(forms::LoadState::Loading);
    loading_ = true;
    MdlCommInterface::PSuFormCaption(this, QString());
    MdlCommInterface::PSuFormCenter(this);
    if (!FuBolFormInit()) {
        setLoadState(forms::LoadState::Failed);
        return;
    }
    update_ = false;
    setLoadState(forms::LoadState::Ready);
    loading_ = false;
}

bool FrmMKarte03_004::FuBolFormInit() {
    try {
        comment_.clear();
        ui->DtxComment->setPPoStrDString(QString());
        for (SpreadGrid* g : {ui->SpdClass, ui->SpdContents}) {
            g->setRow(0);
            g->setMaxRows(0);
            g->setMaxRows(20);
        }
        if (!FuBolCommentKindSerach())
            return false;
        QStringList names;
        for (const CommentKind& k : kinds_)
            names << k.name;
        textlist::fillTextList(*ui->SpdClass, names);
        return FuBolCommentDisp(0);
    } catch (...) {
        return false;
    }
}

bool FrmMKarte03_004::FuBolCommentKindSerach() {
    return entryqueries::runRead(
        QStringLiteral("FuBolCommentKindSerach"), commentKindSql(), QStringLiteral("803"),
        [this](ado::Recordset& rs) { kinds_ = readCommentKinds(rs); }, entryqueries::QueryLog::Plain);
}

bool FrmMKarte03_004::FuBolCommentSerach(size_t kind) {
    const QString proc = QStringLiteral("FuBolCommentSerach");
    std::unique_ptr<ado::Connection> con;
    std::unique_ptr<ado::Recordset> rs;
    try {
        CommentKind& k = kinds_.at(kind);
        if (!MdlCommADODB::PFuBolDBConnect(con))
            return false;
        long count = 0;
        if (!MdlCommADODB::PFuBolExecuteSql(commentSql(k.code), *con, count, 0, rs)) {
            MdlCommADODB::PFuDbConClose(*con);
            PFuDispMessage(QStringLiteral("032"), QStringLiteral("804"), EnMsgDispButton::O,
                           EnMsgDispIcon::Manual);
            return false;
        }
        // The first row takes the place of the empty one; no row leaves the kind unread.
        std::vector<CommentRow> rows = readComments(*rs);
        if (!rows.empty())
            k.comments = std::move(rows);
        const bool rsClosed = MdlCommADODB::PFuDbRsClose(*rs);
        const bool conClosed = MdlCommADODB::PFuDbConClose(*con);
        return rsClosed && conClosed;
    } catch (const std::exception& e) {
        const QString desc = errorDescription(e);
        PFuBolPutLog(proc, desc);
        PFuDispMessage(QStringLiteral("032"), QStringLiteral("804"), EnMsgDispButton::O,
                       EnMsgDispIcon::Manual, withDescription(desc));
        MdlCommADODB::PSuDbCloseQuietly(rs, con);
        return false;
    }
}

bool FrmMKarte03_004::FuBolCommentDisp(size_t kind) {
    try {
        if (!kinds_.at(kind).commentsRead() && !FuBolCommentSerach(kind))
            return false;
        QStringList texts;
        for (const CommentRow& c : kinds_.at(kind).comments)
            texts << c.comment;
        SpreadGrid& g = *ui->SpdContents;
        textlist::fillTextList(g, texts);
        if (loading_)
            g.setSelModeIndex(0);
        else
            MdlCommInterface::PSuSpdCellCheck(g, 1, 1);
        return true;
    } catch (...) {
        return false;
    }
}

void FrmMKarte03_004::Form_Activate() {
    PSuMousePointer(0, this);
}

void FrmMKarte03_004::Form_Unload(bool&) {
    kinds_.clear();
}

void FrmMKarte03_004::SpdClass_Click(int, int row) {
    if (row < 1)
        return;
    const QString name = ui->SpdClass->getText(1, row);
    FuBolCommentDisp(kindIndexByName(kinds_, name));
}

void FrmMKarte03_004::SpdContents_Click(int, int row) {
    if (row < 1)
        return;
    SpreadGrid& g = *ui->SpdContents;
    g.setRow(row);
    g.setCol(1);
    ui->DtxComment->setPPoStrDString(g.text());
}

void FrmMKarte03_004::SpdClass_KeyDown(int keyCode, int) {
    if (keyCode != kKeyUp && keyCode != kKeyDown)
        return;
    SpdClass_Click(ui->SpdClass->activeCol(), ui->SpdClass->activeRow());
    SpdContents_Click(ui->SpdContents->activeCol(), ui->SpdContents->activeRow());
}

void FrmMKarte03_004::SpdContents_KeyDown(int keyCode, int) {
    if (keyCode != kKeyUp && keyCode != kKeyDown)
        return;
    SpdContents_Click(ui->SpdContents->activeCol(), ui->SpdContents->activeRow());
}

void FrmMKarte03_004::CmdFNC_Click() {
    PSuMousePointer(11, this);
    const QString text = ui->DtxComment->PPoStrDString();
    const bool accepted = !text.isEmpty();
    if (accepted) {
        comment_ = text;
        update_ = true;
    } else {
        PFuDispMessage(QStringLiteral("032"), QStringLiteral("004"), EnMsgDispButton::O, EnMsgDispIcon::W);
    }
    PSuMousePointer(0, this);
    if (accepted)
        hide();
}

void FrmMKarte03_004::CmdCancel_Click() {
    PSuMousePointer(11, this);
    bool leave = true;
    if (!ui->DtxComment->PPoStrDString().isEmpty())
        leave = PFuDispMessage(QStringLiteral("032"), QStringLiteral("003"), EnMsgDispButton::YN,
                               EnMsgDispIcon::Q) != EnMsgDispResult::IDNO;
    if (leave)
        update_ = false;
    PSuMousePointer(0, this);
    if (leave)
        hide();
}

void FrmMKarte03_004::CmdPart_Click() {
    if (MdlSubScreen::PFuBolDrawTextPart(*ui->DtxComment, false, 1, true, true))
        update_ = true;
}

void FrmMKarte03_004::CmdBottomChar_Click() {
    MdlSubScreen::PFuBolStrInput(*ui->DtxComment);
}

void FrmMKarte03_004::CmdKeyboard_Click() {
    MdlScreenKey::PSuScreenKeyShow();
}
