#include "app/shell/FrmMKarteS_009.h"

#include <QDate>
#include <QVariant>

#include "app/shell/MdlCommInterface.h"
#include "app/shell/ShellGlobals.h"
#include "platform/error/VbError.h"
#include "ui_FrmMKarteS_009.h"

FrmMKarteS_009::FrmMKarteS_009(QWidget* parent)
    : forms::Form(parent), ui(std::make_unique<Ui::FrmMKarteS_009>()) {
    ui->setupUi(this);
    connect(ui->cmdOK, &QPushButton::clicked, this, &FrmMKarteS_009::cmdOK_Click);
    connect(ui->CmdCancel, &QPushButton::clicked, this, &FrmMKarteS_009::CmdCancel_Click);
    setDefaultButton(ui->cmdOK);
    setCancelButton(ui->CmdCancel);
}

FrmMKarteS_009::~FrmMKarteS_009() = default;

bool FrmMKarteS_009::PFuFrmCalenInit(QWidget* dateField) {
    const QString source = QStringLiteral("FrmMKarteS_009");
    try {
        if (!dateField)
            throw VbError::of(91, source);
        FrmMKarteS_009* form = load();
        form->field_ = dateField;
        MdlCommInterface::PSuFormCenter(form);
        // The field's members are reached by name, as any date field of any screen offers them.
        const QVariant isNull = dateField->property("ValueIsNull");
        const QVariant value = dateField->property("Value");
        if (!isNull.isValid())
            throw VbError::of(438, source, QStringLiteral("ValueIsNull"));
        if (isNull.toBool()) {
            form->ui->imCalen->setValue(QDate::currentDate());
        } else {
            if (value.typeId() != QMetaType::QDate || !value.toDate().isValid())
                throw VbError::of(13, source, QStringLiteral("Value"));
            form->ui->imCalen->setValue(value.toDate());
        }
        forms::showModal(form);
        return true;
    } catch (const std::exception& e) {
        PFuBolPutLog(QStringLiteral("PFuFrmCalenInit"), errorDescription(e));
        unload();
        return false;
    }
}

void FrmMKarteS_009::cmdOK_Click() {
    if (field_)
        field_->setProperty("Value", QVariant(ui->imCalen->Value()));
    unloadForm(forms::UnloadMode::Code);
}

void FrmMKarteS_009::CmdCancel_Click() {
    unloadForm(forms::UnloadMode::Code);
}

void FrmMKarteS_009::Form_Unload(bool&) {
    field_ = nullptr;
}
