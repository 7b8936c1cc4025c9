// The practical hygiene instruction entry screen: one visit's times, plaque chart, tooth part, cleaning
// items and comments entered, checked and handed back to the record book, marked deleted or restored.
#pragma once
#include <QDateTime>
#include <QString>
#include <array>
#include <memory>

#include "app/entry/PlaqueChart.h"
#include "app/recordcore/KarteData.h"
#include "app/recordcore/MdlPlaque.h"
#include "app/shell/FormSupport.h"

class DText;
class DrawGlyphor;
class ImDate;
class MyImTime;
class QLabel;
class QPushButton;
class SpreadGrid;

namespace Ui {
class FrmMKarte03_002;
}

// Opened by MdlPlaqueEntry::PFuBolPlaqueEntryDisp after the record book has prepared gKarteInfo. The
// load copies gKarteInfo and works on that copy only; the mode of the copy ("1" new visit, "2" new
// line, "3" stored, "4" deleted unsaved, "5" stored deleted, "6" view only) decides what can be done.
// Accept, delete, restore and back write the whole copy back to gKarteInfo (updated set, or cleared on
// back) and unload the screen; a window closed by its frame writes nothing back. The load state is 3
// when the screen cannot be prepared. The only database reads are the cleaning items and the count of
// overlapping visits.
class FrmMKarte03_002 : public forms::Form, public forms::DefaultInstance<FrmMKarte03_002> {
    Q_OBJECT
public:
    explicit FrmMKarte03_002(QWidget* parent = nullptr);
    ~FrmMKarte03_002() override;

    // The controls by their names on the screen (index as in the control arrays).
    ImDate* ImdEntryDate() const;
    MyImTime* ImiTime(int index) const;
    DText* DtxComment(int index) const;
    DText* DtxCommentHistory(int index) const;
    SpreadGrid* SpdCleaning() const;
    DrawGlyphor* DrawGlyphor1() const;
    PlaqueCheck* PlaqueCheckCell(int index) const { return cells_.at(static_cast<size_t>(index)); }
    PlaqueCheck* PlaqueCheckHistoryCell(int index) const {
        return historyCells_.at(static_cast<size_t>(index));
    }

    // What the plaque rate routine counts and writes.
    const plaquechart::Cells& plaqueCells() const { return cells_; }
    QLabel* lblLost() const;
    QLabel* lblPlaqueCnt() const;
    QLabel* lblPlaqueRitu() const;

    // The screen's own state, for those who look at it from outside.
    const InstructEntryData& record() const { return info_; }
    bool dirty() const { return dirty_; }
    long historyIndex() const { return historyIndex_; }

public slots:
    void CmdUpdate_Click();
    void CmdCancel_Click();
    void CmdFNC_Click(int index);
    void CmdHistory_Click(int index);
    void CmdPrint_Click();
    void CmdKeyboard_Click();
    void cmdSeisouCSV_Click();
    void ImiTime_Click(int index, int CboIndex);
    void ImdEntryDate_DblClick();
    void ImdEntryDate_KeyDown(int keyCode, int shift);
    void ImdEntryDate_KeyPress(int keyAscii);
    void SpdCleaning_Click(int col, int row);
    void SpdCleaning_KeyDown(int keyCode, int shift);
    void DtxComment_Change(int index);
    // The plaque chart, the tooth part and the comment insertions.
    void PlaqueCheck_ChangePlaque(int index);
    void CmdIkatuPl_Click();
    void CmdIkatuPlClr_Click();
    void CmdBuiInput_Click();
    void CmdInstMainPoint_Click(int index);
    void CmdMessage_Click(int index);

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(bool& cancel) override;

private:
    // Called inside a handler: logs the error being handled under the procedure that trapped it, so that
    // a screen that cannot be prepared leaves its reason in the log. Returns false, the procedure's result.
    static bool logTrapped(const QString& proc);
    // ---- loading ----------------------------------------------------------------------------------
    bool SuScreenInit();
    void SuScreenClear();
    // The cleaning items of the master (modes but "6": a master read) or of the visit itself ("6").
    bool SuCleaningListMaster();
    void SuCleaningListView();
    bool FuBolMasterSerach(std::vector<std::pair<QString, QString>>& items);
    // The nearest earlier visit, from the shown one down, that is not marked deleted; -1 when none is.
    long PFuLngGetNoRemarkIndex();
    void SuButtonsByMode(const QString& mode);

    // ---- history panel ------------------------------------------------------------------------------
    // Shows history element historyIndex_, or an empty panel when the index lies outside the history.
    bool SuHistoryDisp();
    void SuHistoryButtons();
    void SuHistoryCancelDisp();
    bool SuPlaqueHistoryDisp(const InstructVisitData& visit);
    void SuPlaqueRituHistory();
    bool historyShown() const;

    // ---- plaque chart and tooth part --------------------------------------------------------------------
    void FuBolSetLostFromParts();
    bool SuPlaqueDisp();
    bool SuGetPlaqueData();
    void SuAdjacentCaption();
    void adjacentCaption();
    // After an insertion into comment k (0 instruction, 1 memo) by the button of index.
    void commentButton(int k, int index);
    // Marks the copy changed and lets the user accept.
    void markChanged();

    // ---- accept -----------------------------------------------------------------------------------
    bool FuBolInputCheck();
    // The checks in their order; on failure focus names the control to take the focus (none when the
    // failing step has shown its own message only).
    bool FuBolInputValueCheck(QWidget*& focus);
    bool FuBolActInstructionSerach(long& count);
    void SuGetDateTime();
    bool SuGetCleaningData();
    // Writes the copy back with updated as given and unloads the screen.
    void handBack(bool updated);

    std::unique_ptr<Ui::FrmMKarte03_002> ui;
    plaquechart::Cells cells_{};
    plaquechart::Cells historyCells_{};
    std::array<QPushButton*, 3> cmdHistory_{};
    std::array<QPushButton*, 3> cmdInstMainPoint_{};
    std::array<QPushButton*, 3> cmdMessage_{};

    InstructEntryData info_; // the screen's own copy of gKarteInfo
    long historyIndex_ = -1;
    bool dirty_ = false;
    double firstActivated_ = 0; // the system timer at the first activation; 0 until then
    QDateTime nowAtInit_;
    bool editable_ = false;
    bool showDeleteMark_ = false;
    bool adjacentAll_ = false;
    MdlPlaque::PermanentMatrix permanent_;
    MdlPlaque::DeciduousMatrix deciduous_;
    MdlPlaque::PermanentMatrix historyPermanent_;
    MdlPlaque::DeciduousMatrix historyDeciduous_;
};
