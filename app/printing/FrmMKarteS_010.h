// The program's own print dialog: the printer is chosen, the caller's paper and orientation are shown.
// Created once, kept hidden between jobs (gFrmPrintDlg) and shown again.
#pragma once
#include <QStringList>
#include <array>
#include <memory>

#include "app/shell/FormSupport.h"

class QRadioButton;

namespace Ui {
class FrmMKarteS_010;
}

class FrmMKarteS_010 : public forms::Form, public forms::DefaultInstance<FrmMKarteS_010> {
    Q_OBJECT
public:
    explicit FrmMKarteS_010(QWidget* parent = nullptr);
    ~FrmMKarteS_010() override;

    // The first showing: fills the printer and paper lists, sets the orientation, shows the dialog
    // modally. Errors are logged and thrown on to the caller.
    bool FrmPrintDlgDisp(int paper, int orientation);
    // Later showings: the paper entry and the orientation of the next job (errors ignored).
    void SetPaperList(int paper);
    void SetOrientation(int orientation);
    // How the dialog was closed: "戻る" (or the window's close), or OK that failed.
    bool GetCancelFlg() const { return cancelFlg_; }
    bool GetPrintErrFlg() const { return printErrFlg_; }

    // The paper table: list texts and codes, index 0..4.
    static const std::array<QString, 5>& paperNames();
    static const std::array<int, 5>& paperCodes();

    QRadioButton* optOrientation(int index) const;

public slots:
    void cmdOK_Click();
    void CmdCancel_Click();
    void optOrientation_Click(int index);

protected:
    void Form_Activate() override;
    // A close by the window's frame counts as "戻る": the dialog is hidden and kept.
    void Form_QueryUnload(bool& cancel, forms::UnloadMode mode) override;

private:
    void FillPrinterList();
    void FillPaperList(int paper);
    // Selects the paper entry of the code (entry 0 when none has it).
    void selectPaper(int paper);
    // Checks the option of the orientation (1 or 2) and disables both; throws for another value.
    void checkOrientation(int orientation);

    std::unique_ptr<Ui::FrmMKarteS_010> ui;
    int orientationIndex_ = 0;
    bool cancelFlg_ = false;
    bool printErrFlg_ = false;
};
