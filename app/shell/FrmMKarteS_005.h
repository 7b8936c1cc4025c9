// The patient search dialog: five criteria, one list row per patient, and the choice of the current patient.
#pragma once
#include <array>
#include <memory>

#include "app/shell/FormSupport.h"

class QPushButton;
class QRadioButton;
class SpreadGrid;

namespace Ui {
class FrmMKarteS_005;
}

// Loaded by its opener (MdlCommInterface::PFuBolPatientSearch): the set-up runs the all-patients search,
// and its load state tells the opener whether the dialog can be shown. Choosing a patient fills
// gPatientInfo, raises patientChosen and unloads the dialog; going back unloads it and changes nothing.
class FrmMKarteS_005 : public forms::Form, public forms::DefaultInstance<FrmMKarteS_005> {
    Q_OBJECT
public:
    explicit FrmMKarteS_005(QWidget* parent = nullptr);
    ~FrmMKarteS_005() override;

    // True only after a successful choice.
    bool PPoBolBolSelect() const { return bolSelect_; }

    QRadioButton* OptSearch(int index) const { return optSearch_.at(static_cast<size_t>(index)); }
    QPushButton* CmdFNC(int index) const { return cmdFNC_.at(static_cast<size_t>(index)); }
    SpreadGrid* SpdPatient() const;

signals:
    // A patient was chosen: gPatientInfo holds it.
    void patientChosen();

public slots:
    void OptSearch_Click(int index);
    void CmdFNC_Click(int index);
    void SpdPatient_DblClick(int col, int row);
    void SpdPatient_GotFocus();
    void ImdSearch_DblClick();
    void CmdKeyboard_Click();
    void CmdCancel_Click();

protected:
    void Form_Load() override;

private:
    bool FuBolFormInit();
    // One search; BolShowNone: report "no patient" (the search button) or not (the set-up).
    bool FuBolPatientSerach(bool BolShowNone);
    // Takes the patient of the list's active row over into gPatientInfo.
    bool FuBolSetData();
    // The option that is on; -1 when none is.
    int selectedOption() const;

    std::unique_ptr<Ui::FrmMKarteS_005> ui;
    std::array<QRadioButton*, 5> optSearch_{};
    std::array<QPushButton*, 2> cmdFNC_{};
    bool bolSelect_ = false;
};
