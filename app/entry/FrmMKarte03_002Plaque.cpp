// The entry screen's plaque chart, tooth part and comment insertions, and the history panel's chart.
#include "app/entry/FrmMKarte03_002.h"

#include "app/entry/MdlSubScreen.h"
#include "app/shell/MdlCommInterface.h"
#include "app/shell/ShellGlobals.h"
#include "controls/dental/PlaqueCheck.h"
#include "controls/toothchart/DText.h"
#include "controls/toothchart/DrawGlyphor.h"
#include "platform/error/VbError.h"
#include "ui_FrmMKarte03_002.h"

using MdlCommInterface::PSuMousePointer;

namespace {

// The tooth-part settings every opener of this screen passes: no part words, compressed notation that
// cannot be changed, the panel usable.
constexpr bool kTextEnable = false;
constexpr int kInputMode = 1;
constexpr bool kFixInputMode = true;
constexpr bool kInputEnable = true;

// The plaque routines the chart is shown with, named in the log line when one of them reports False.
const QString kPlaqueRoutines = QStringLiteral("FuBolPlaqueStrToArry()/FuBolPlaqueArryToCtl()");

} // namespace

void FrmMKarte03_002::FuBolSetLostFromParts() {
    const auto present = plaquechart::presentTeeth(ui->DrawGlyphor1->PPoStrParts33());
    for (size_t i = 0; i < cells_.size(); ++i)
        if (cells_[i]->Lost() != !present[i])
            cells_[i]->setLost(!present[i]);
}

bool FrmMKarte03_002::SuPlaqueDisp() {
    try {
        if (!plaquechart::showPlaqueCodes(info_.visit.plaque, permanent_, deciduous_, cells_)) {
            PFuBolPutLog(QStringLiteral("SuPlaqueDisp"), kPlaqueRoutines);
            return false;
        }
        // A new visit keeps the teeth of the tooth part it inherited.
        if (info_.mode == QLatin1String("1"))
            FuBolSetLostFromParts();
        MdlPlaque::PSuPlaqueRituDisp(*this);
        return true;
    } catch (...) {
        return logTrapped(QStringLiteral("SuPlaqueDisp"));
    }
}

bool FrmMKarte03_002::SuGetPlaqueData() {
    try {
        for (size_t q = 0; q < permanent_.size(); ++q)
            for (size_t t = 0; t < permanent_[q].size(); ++t) {
                const size_t cell = q * 8 + t;
                permanent_[q][t] = plaquechart::cellCode(*cells_.at(cell), static_cast<int>(q));
                info_.visit.plaque.at(cell) = permanent_[q][t];
            }
        for (size_t q = 0; q < deciduous_.size(); ++q)
            for (size_t t = 0; t < deciduous_[q].size(); ++t) {
                const size_t cell = 32 + q * 5 + t;
                deciduous_[q][t] = plaquechart::cellCode(*cells_.at(cell), static_cast<int>(q));
                info_.visit.plaque.at(cell) = deciduous_[q][t];
            }
        return true;
    } catch (...) {
        return false;
    }
}

void FrmMKarte03_002::SuAdjacentCaption() {
    adjacentAll_ = true;
    for (const PlaqueCheck* c : cells_)
        if (!c->Lost() && !c->PlaqueL() && !c->PlaqueR())
            adjacentAll_ = false;
    adjacentCaption();
}

void FrmMKarte03_002::adjacentCaption() {
    ui->CmdIkatuPl->setText(adjacentAll_ ? QStringLiteral("隣接面解除") : QStringLiteral("隣接面設定"));
}

void FrmMKarte03_002::CmdIkatuPl_Click() {
    PSuMousePointer(11, this);
    adjacentAll_ = !adjacentAll_;
    for (PlaqueCheck* c : cells_) {
        c->setPlaqueL(adjacentAll_);
        c->setPlaqueR(adjacentAll_);
    }
    adjacentCaption();
    MdlPlaque::PSuPlaqueRituDisp(*this);
    dirty_ = true;
    PSuMousePointer(0, this);
}

void FrmMKarte03_002::CmdIkatuPlClr_Click() {
    PSuMousePointer(11, this);
    for (PlaqueCheck* c : cells_) {
        c->setPlaqueL(false);
        c->setPlaqueR(false);
        c->setPlaqueU(false);
        c->setPlaqueD(false);
    }
    MdlPlaque::PSuPlaqueRituDisp(*this);
    dirty_ = true;
    PSuMousePointer(0, this);
}

void FrmMKarte03_002::PlaqueCheck_ChangePlaque(int) {
    // Which teeth are there is the tooth part's to say: a lost state the user changed springs back.
    FuBolSetLostFromParts();
    MdlPlaque::PSuPlaqueRituDisp(*this);
    // While the busy pointer shows, the change is the program's own.
    if (isEnabled()) {
        markChanged();
        dirty_ = true;
    }
}

void FrmMKarte03_002::CmdBuiInput_Click() {
    DrawGlyphor& glyph = *ui->DrawGlyphor1;
    const QString oldCode = glyph.PPoStrParts33();
    const QString oldText = glyph.PPoStrPartsText();
    if (!MdlSubScreen::PFuBolDrawToothPart(glyph, kTextEnable, kInputMode, kFixInputMode, kInputEnable))
        return;
    if (!dirty_) {
        dirty_ = glyph.PPoStrParts33() != oldCode || glyph.PPoStrPartsText() != oldText;
        // Accepting the tooth part unchanged never takes the accept button away again.
        if (dirty_)
            markChanged();
    }
    FuBolSetLostFromParts();
    MdlPlaque::PSuPlaqueRituDisp(*this);
}

void FrmMKarte03_002::CmdInstMainPoint_Click(int index) {
    commentButton(0, index);
}

void FrmMKarte03_002::CmdMessage_Click(int index) {
    commentButton(1, index);
}

void FrmMKarte03_002::commentButton(int k, int index) {
    DText& field = *DtxComment(k);
    PSuMousePointer(11, this);
    try {
        if (index == 0) {
            QString comment;
            bool chosen = false;
            const bool shown = MdlSubScreen::PFuBolCommentSelect(comment, chosen);
            if (shown && chosen) {
                field.PSuInsString(comment);
                markChanged();
            }
            if (k == 0 || shown)
                dirty_ = true;
        } else if (index == 1 || index == 2) {
            // Both sub-screens report true after a back too: the flags follow whenever they closed.
            const bool done = index == 1 ? MdlSubScreen::PFuBolDrawTextPart(field, kTextEnable, kInputMode,
                                                                            kFixInputMode, kInputEnable)
                                         : MdlSubScreen::PFuBolStrInput(field);
            if (done) {
                markChanged();
                dirty_ = true;
            }
        }
    } catch (const std::exception& e) {
        PFuBolPutLog(QStringLiteral("commentButton"), errorDescription(e));
    }
    PSuMousePointer(0, this);
}

bool FrmMKarte03_002::SuPlaqueHistoryDisp(const InstructVisitData& visit) {
    try {
        if (!plaquechart::showPlaqueCodes(visit.plaque, historyPermanent_, historyDeciduous_,
                                          historyCells_)) {
            PFuBolPutLog(QStringLiteral("SuPlaqueHistoryDisp"), kPlaqueRoutines);
            return false;
        }
        SuPlaqueRituHistory();
        return true;
    } catch (...) {
        return logTrapped(QStringLiteral("SuPlaqueHistoryDisp"));
    }
}

void FrmMKarte03_002::SuPlaqueRituHistory() {
    const plaquechart::CellCount n = plaquechart::countCells(historyCells_);
    ui->LblPlaqueRituH->setText(MdlPlaque::plaqueRateText(n.faces, n.present));
}
