// Program-wide values of the application shell: the common services, the settings values,
// the program folder, the clinic and staff records, and safe calls into the services.
#pragma once
#include <QByteArray>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>

#include "common/clsIniFile.h"
#include "common/clsLogging.h"
#include "common/clsMessage.h"

// ---- common services (created by Main, released by PSuCommObjRelease) --------------------
inline std::unique_ptr<clsIniFile> gObjIniFile;
inline std::unique_ptr<clsLogging> gObjLogging;
inline std::unique_ptr<clsMessage> gObjMessage;

// The program folder, always ending in "/".
inline QString gStrAppPath;
inline QString gStrMsgFileName;
inline QString gStrLogFileName;

// ---- settings values ----------------------------------------------------------------------
inline QString gStrClinicCode;
inline QString gStrConString;
inline QByteArray gStrDbPassword; // the descrambled password: the database key, as raw bytes
inline QString gStrMdbName;
inline QString gStrOptimize;
inline QString gStrCompactCon;
inline QString gStrImagePath;
inline QString gStrEiseiMM;
inline QString gStrEiseiChkMM;
inline bool gBolPrintDialog = false;
inline bool gBolPrintPreview = false;
inline bool gBolMainBtn = false;
inline double gDblKizami = 0.0;

// ---- the clinic's own record ---------------------------------------------------------------
struct ClinicInfo {
    QString clinic_code, clinic_name, zip, address, tel_no, fax_no, clinic_s_name, prefecture,
        establishment_name, map_link, notif_prosthetic, notif_first, notif_p_total, ent_date_time,
        ent_staff_class_code, ent_staff_code, upd_date_time, upd_staff_class_code, upd_staff_code;
};
inline ClinicInfo gClinicInfo;

// Print points of the precise inspection sheet, index 1..192 (0 stays 0).
inline std::array<double, 193> gDblPocketBaseX{};
inline std::array<double, 193> gDblPocketBaseY{};

// ---- the logged-in staff member ------------------------------------------------------------
struct StaffLoginInfo {
    QString staff_class_code;
    QString staff_code;
    QString staff_name;
    QString passwd;
    bool operator==(const StaffLoginInfo&) const = default;
};
inline StaffLoginInfo gStaffLoginInfo;

// Drops the common services and puts every value above back to its start-up state (empty, false, 0):
// a program that starts again in the same process (the tests do) starts from nothing.
void resetShellGlobals();

// ---- safe calls into the common services ---------------------------------------------------
// Once the services are released these do nothing: the log call returns false, the message
// call returns 0.
bool PFuBolPutLog(const QString& StrFunction, const QString& StrLogMsg);
int PFuDispMessage(const QString& StrWorkID, const QString& StrMsgID, EnMsgDispButton VbMsgButton,
                   EnMsgDispIcon VbMsgIcon, const QString& StrAddMsg = QString(),
                   const QString& StrTitle = QString());
// Reads a settings value; def when the settings object is gone.
QString PFuStrReadIniFile(const QString& section, const QString& key, const QString& def = QString());

// The program's title, the caption of its plain boxes.
inline const QString kAppTitle = QStringLiteral("Orvanta");
