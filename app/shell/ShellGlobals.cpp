#include "app/shell/ShellGlobals.h"

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
