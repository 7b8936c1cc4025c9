// The past-record viewer: one earlier instruction visit of the current patient, read-only.
#pragma once
#include <QString>
#include <array>
#include <memory>

#include "app/entry/PlaqueChart.h"
#include "app/recordcore/KarteData.h"
#include "app/recordcore/MdlPlaque.h"
#include "app/shell/FormSupport.h"

class DText;
class MyImTime;
class QLabel;
class SpreadGrid;

namespace Ui {
class FrmMKarte03_003;
}

// Opened by MdlSubScreen::PFuBolPlaqueDetailDisp with the index of the visit in gKarteInfo's history
// (set before the load). The load copies gKarteInfo and fills the screen from the visit: patient,
// staff, the visit's own date, times, plaque chart with its counts, cleaning items and comments, and
// the deletion label and cancel mark of a deleted visit; every control is read-only. Its load state
// is 3 when the visit cannot be shown. Nothing is written anywhere: the update flag is always false
// and the delete mark is the stored one. Back unloads the screen itself.
class FrmMKarte03_003 : public forms::Form, public forms::DefaultInstance<FrmMKarte03_003> {
    Q_OBJECT
public:
    explicit FrmMKarte03_003(QWidget* parent = nullptr);
    ~FrmMKarte03_003() override;

    // The history element to show; set it before the screen loads.
    void setPPoLngNowPlaque(long index) { nowPlaque_ = index; }
    // The shown visit's delete mark as stored ("1" for a deleted visit).
    QString PPoStrDelMark() const { return delMark_; }
    // Always false: the viewer changes nothing.
    bool PPoBolUpdate() const { return update_; }
    // Unloads the screen and clears its default instance.
    void PSuCloseWindowt();

    // The controls by their names on the screen (index as in the control arrays).
    PlaqueCheck* PlaqueCheckCell(int index) const { return cells_.at(static_cast<size_t>(index)); }
    MyImTime* ImiTime(int index) const;
    DText* DtxComment(int index) const;
    SpreadGrid* SpdCleaning() const;

    // What the plaque rate routine counts and writes.
    const plaquechart::Cells& plaqueCells() const { return cells_; }
    QLabel* lblLost() const;
    QLabel* lblPlaqueCnt() const;
    QLabel* lblPlaqueRitu() const;

public slots:
    void ImiTime_Click(int index, int CboIndex);
    void PlaqueCheck_ChangePlaque(int index);
    void SpdCleaning_Click(int col, int row);
    void CmdCancel_Click();
    void CmdKeyboard_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(bool& cancel) override;

private:
    // Fills the screen from the visit; false after any failure.
    bool SuScreenFill();
    // The visit's plaque codes on the chart with its counts; false after any failure.
    bool SuPlaqueDisp();
    // The deletion label and the cancel mark, shown exactly for a visit marked "1".
    void SuDelMarkDisp();
    const InstructVisitData& visit() const;

    std::unique_ptr<Ui::FrmMKarte03_003> ui;
    plaquechart::Cells cells_{};
    long nowPlaque_ = 0;
    QString delMark_;
    bool update_ = false;
    InstructEntryData info_; // the screen's own copy of gKarteInfo
    MdlPlaque::PermanentMatrix permanent_;
    MdlPlaque::DeciduousMatrix deciduous_;
};
