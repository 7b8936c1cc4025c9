// The record-list screen: one month of the patient's record book in the grid, paging, inserting and
// removing rows and unsaved lines, editing a line, saving, changing patient and leaving.
#pragma once
#include <QWidget>
#include <array>
#include <memory>

#include "app/recordbook/KarteSheet.h"
#include "app/shell/FormSupport.h"

class QLabel;
class QPushButton;
class SpreadGrid;

namespace Ui {
class FrmMKarte02_001;
}

class FrmMKarte02_001 : public forms::Form, public forms::DefaultInstance<FrmMKarte02_001> {
    Q_OBJECT
public:
    explicit FrmMKarte02_001(QWidget* parent = nullptr);
    ~FrmMKarte02_001() override;

    MdlKarteMain::KarteSheet& sheet() { return sheet_; }
    SpreadGrid* SpdKarte() const;
    QPushButton* CmdNew(int index) const { return cmdNew_.at(static_cast<size_t>(index)); }
    QPushButton* CmdPageCange(int index) const { return cmdPageCange_.at(static_cast<size_t>(index)); }
    QPushButton* button(const char* name) const;
    QLabel* label(const char* name) const;

    // Shows the face photo of the path ("" none); false when the file is no picture.
    bool setFacePhoto(const QString& path);

public slots:
    void CmdNew_Click(int index);
    void CmdInsideChange_Click();
    void CmdPageCange_Click(int index);
    void cmdReflesh_Click();
    void CmdUpdate_Click();
    void CmdNewLine_Click();
    void CmdDelLine_Click();
    void CmdLineEdit_Click();
    void SpdKarte_DblClick(int col, int row);
    void CmdCancel_Click();
    void CmdKeyboard_Click();
    void CmdPrint_Click();
    void cmdDeleteData_Click();
    void cmdKanjaDelete_Click();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    // The window's close and Esc leave as the back button does: unsaved lines are never dropped
    // without the question; nothing closes while a month is being laid.
    void Form_QueryUnload(bool& cancel, forms::UnloadMode mode) override;

private:
    // Edits or views the line whose block starts at row.
    bool PFuBolKarteLineEdit(long row, long rec);
    // Lays line gLngCurRec again in place from row, redraw off around it.
    bool relayCurrentLine(long row);
    // The question before unsaved changes are dropped; true when the user lets them go.
    bool mayDiscardChanges();
    // The test deletes: the patient's rows of every table, in one transaction.
    void runTestDeletes(const QStringList& tables, const QString& prompt);
    void enableServiceButtons();

    std::unique_ptr<Ui::FrmMKarte02_001> ui;
    MdlKarteMain::KarteSheet sheet_;
    std::array<QPushButton*, 10> cmdNew_{};
    std::array<QPushButton*, 2> cmdPageCange_{};
    bool leaving_ = false; // the back button has asked and erased already
};
