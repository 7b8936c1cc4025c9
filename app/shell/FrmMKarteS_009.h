// The calendar sub-screen: shows a month calendar on a date field's date and writes the chosen date back.
#pragma once
#include <QPointer>
#include <memory>

#include "app/shell/FormSupport.h"

namespace Ui {
class FrmMKarteS_009;
}

class FrmMKarteS_009 : public forms::Form, public forms::DefaultInstance<FrmMKarteS_009> {
    Q_OBJECT
public:
    explicit FrmMKarteS_009(QWidget* parent = nullptr);
    ~FrmMKarteS_009() override;

    // Opens the calendar modally on the date of dateField (any widget with the properties Value and
    // ValueIsNull; today when it holds none); OK writes the chosen date into its Value. True once the
    // calendar has closed; false, with a log line and no message, on any error.
    static bool PFuFrmCalenInit(QWidget* dateField);

public slots:
    void cmdOK_Click();
    void CmdCancel_Click();

protected:
    void Form_Unload(bool& cancel) override;

private:
    std::unique_ptr<Ui::FrmMKarteS_009> ui;
    QPointer<QWidget> field_; // the date field the calendar was opened for
};
