#include "app/shell/ShellGlobals.h"

#include "app/shell/MdlCommStructure.h"

void resetShellGlobals() {
    gObjIniFile.reset();
    gObjLogging.reset();
    gObjMessage.reset();
    gStrAppPath.clear();
    gStrMsgFileName.clear();
    gStrLogFileName.clear();
    gStrClinicCode.clear();
    gStrConString.clear();
    gStrDbPassword.clear();
    gStrMdbName.clear();
    gStrOptimize.clear();
    gStrCompactCon.clear();
    gStrImagePath.clear();
    gStrEiseiMM.clear();
    gStrEiseiChkMM.clear();
    gBolPrintDialog = gBolPrintPreview = gBolMainBtn = false;
    gDblKizami = 0.0;
    gClinicInfo = ClinicInfo{};
    gStaffLoginInfo = StaffLoginInfo{};
    gPatientInfo = PatientInfo{};
    gDblPocketBaseX.fill(0.0);
    gDblPocketBaseY.fill(0.0);
}

bool PFuBolPutLog(const QString& StrFunction, const QString& StrLogMsg) {
    if (!gObjLogging)
        return false;
    return gObjLogging->PFuBolPutLog(StrFunction, StrLogMsg);
}

int PFuDispMessage(const QString& StrWorkID, const QString& StrMsgID, EnMsgDispButton VbMsgButton,
                   EnMsgDispIcon VbMsgIcon, const QString& StrAddMsg, const QString& StrTitle) {
    if (!gObjMessage)
        return 0;
    return gObjMessage->PFuDispMessage(StrWorkID, StrMsgID, VbMsgButton, VbMsgIcon, StrAddMsg, StrTitle);
}

QString PFuStrReadIniFile(const QString& section, const QString& key, const QString& def) {
    if (!gObjIniFile)
        return def;
    return gObjIniFile->PFuStrReadIniFile(section, key, def);
}
