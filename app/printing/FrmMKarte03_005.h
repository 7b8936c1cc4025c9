// The record selection and print screen: the visit being edited and the stored instruction visits of
// the record, each with a tick; the print button confirms the printer and prints the ticked visits as
// the plaque control / practical instruction record sheet.
#pragma once
#include <memory>
#include <vector>

#include "app/printing/EkListRows.h"
#include "app/printing/SheetCanvas.h"
#include "app/recordcore/KarteData.h"
#include "app/shell/FormSupport.h"

class SpreadGrid;

namespace Ui {
class FrmMKarte03_005;
}

class FrmMKarte03_005 : public forms::Form, public forms::DefaultInstance<FrmMKarte03_005> {
    Q_OBJECT
public:
    explicit FrmMKarte03_005(QWidget* parent = nullptr);
    ~FrmMKarte03_005() override;

    // Opens the screen on the default instance by the load-state protocol (033/899 when the list cannot
    // be built, nothing shown when no visit is listed); true when it was shown.
    static bool PFuBolEkListView();

    SpreadGrid* SpdEkList() const;
    const std::vector<EkListRow>& ekListRows() const { return rows_; }
    // The page frame of the last print (twips).
    const PageFrame& pageFrame() const { return frame_; }

public slots:
    void CmdPrint_Click();
    void CmdCancel_Click();

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

private:
    bool FuBolEkListInit();
    bool FuBolEkListSerach();
    bool FuBolEkListSetSpd();
    // 033/900 with the error and its log line under the procedure's name.
    void reportError(const QString& procedure, const std::exception& e);

    std::unique_ptr<Ui::FrmMKarte03_005> ui;
    InstructEntryData karteInfoCopy_;
    std::vector<EkListRow> rows_;
    PageFrame frame_;
};
