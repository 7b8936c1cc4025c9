#include "app/recordbook/KarteOpen.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>

#include "app/recordbook/FrmMKarte02_001.h"
#include "app/recordbook/KarteLoadWindow.h"
#include "app/recordbook/KarteMonthView.h"
#include "app/recordcore/KarteGlobals.h"
#include "app/shell/MdlCommInterface.h"
#include "app/shell/MdlCommStructure.h"
#include "app/shell/ShellGlobals.h"
#include "platform/error/VbError.h"

namespace MdlKarteMain {
namespace {

const QString kProc = QStringLiteral("PFuBolPersonalGet");
const QString kCrLf = QStringLiteral("\r\n");
const QString kPhotoMissing = QStringLiteral("ＤＢに顔写真画像のパスが設定されているが画像ファイルがない。エ"
                                             "ラーメッセージを出さずに画像表示をせずスルー。");

QString tempFolder() {
    return MdlCommInterface::PFuStrPathJoin(gStrImagePath, QStringLiteral("temp"));
}

bool photoFailed() {
    PFuDispMessage(QStringLiteral("011"), QStringLiteral("900"), EnMsgDispButton::O, EnMsgDispIcon::Manual,
                   kCrLf + QStringLiteral("顔写真画像の表示に失敗"));
    return false;
}

// The face photo copied into the temporary folder; shown is the copy's path, or "" when the patient
// has none or it is missing. False after its message when the copy cannot be made.
bool copyFacePhoto(QString& shown) {
    shown.clear();
    const QString link = gPatientInfo.photo_link;
    if (link.isEmpty())
        return true;
    if (!MdlCommInterface::PFuBolFileExist(link)) {
        PFuBolPutLog(kProc, kPhotoMissing);
        PFuBolPutLog(kProc, link);
        return true;
    }
    QString name;
    if (!MdlCommInterface::PFuBolGetFileName(link, name)) {
        PFuBolPutLog(kProc, QStringLiteral("以下のパスからファイル名称の取得に失敗。"));
        PFuBolPutLog(kProc, link);
        return photoFailed();
    }
    shown = MdlCommInterface::PFuStrPathJoin(tempFolder(), name);
    if (!MdlCommInterface::PFuBolFileCopy(link, shown)) {
        PFuBolPutLog(kProc, QStringLiteral("以下のパスからファイルをＴＥＭＰフォルダのコピーに失敗。"));
        PFuBolPutLog(kProc, QStringLiteral("from ") + link);
        PFuBolPutLog(kProc, QStringLiteral("to   ") + shown);
        return photoFailed();
    }
    return true;
}

void setLabel(FrmMKarte02_001& screen, const char* name, const QString& text) {
    if (QLabel* l = screen.label(name))
        l->setText(text);
}

} // namespace

void PSuTempFileClear() {
    const QDir dir(tempFolder());
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        // Every entry goes as a file: a folder in here is an error, as is a file that will not go.
        if (entry.isDir() || !QFile::remove(entry.absoluteFilePath()))
            throw VbError::of(75, QStringLiteral("Orvanta"), entry.absoluteFilePath());
    }
}

bool PFuBolPersonalGet(FrmMKarte02_001& screen) {
    try {
        PSuTempFileClear();
        PSuKarteWorkErase_End();

        const PatientInfo& p = gPatientInfo;
        setLabel(screen, "LblInside_id", p.personal_id);
        setLabel(screen, "LblPatientName", p.name);
        // A patient registered without a birthday still opens, with the field empty.
        setLabel(screen, "LblBirthday",
                 p.birthday.trimmed().isEmpty() ? QString() : MdlCommInterface::PFuStrWarekiDate(p.birthday));
        setLabel(screen, "LblAge", p.age);
        setLabel(screen, "LblSex", p.sex_name);
        setLabel(screen, "LblLoginName", gStaffLoginInfo.staff_name);

        QString shown;
        if (!copyFacePhoto(shown))
            return false;
        if (!screen.setFacePhoto(shown)) {
            // A photo that will not load is passed over like a missing one.
            PFuBolPutLog(kProc, kPhotoMissing);
            PFuBolPutLog(kProc, gPatientInfo.photo_link);
        }

        if (!PFuBolKarteGetData())
            return false;
        setLabel(screen, "LblLastTime", gStrKarteUpdTime.isEmpty() ? gStrKarteEntTime : gStrKarteUpdTime);
        return PFuBolKarteMonthDisp(screen.sheet(), -1);
    } catch (const std::exception& e) {
        PFuBolPutLog(kProc, errorDescription(e));
        PFuDispMessage(QStringLiteral("011"), QStringLiteral("900"), EnMsgDispButton::O,
                       EnMsgDispIcon::Manual, kCrLf + errorDescription(e));
        return false;
    }
}

bool PFuBolKarteMain() {
    try {
        QPointer<FrmMKarte02_001> screen(FrmMKarte02_001::load());
        PSuKarteSheetInit(screen->sheet());
        if (!PFuBolPersonalGet(*screen)) {
            FrmMKarte02_001::unload();
            return false;
        }
        // Shown again after a change of patient (the screen hides itself while it loads the new one)
        // until the user leaves it.
        while (screen && !screen->isUnloaded())
            forms::showModal(screen);
        return true;
    } catch (const std::exception& e) {
        PFuBolPutLog(QStringLiteral("PFuBolKarteMain"), errorDescription(e));
        PFuDispMessage(QStringLiteral("011"), QStringLiteral("900"), EnMsgDispButton::O, EnMsgDispIcon::W,
                       QStringLiteral("PFuBolKarteMain()"));
        FrmMKarte02_001::unload();
        return false;
    }
}

} // namespace MdlKarteMain
