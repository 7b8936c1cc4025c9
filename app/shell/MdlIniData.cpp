#include "app/shell/MdlIniData.h"

#include <cmath>

#include "app/shell/ShellGlobals.h"
#include "platform/error/VbError.h"
#include "platform/text/Text.h"

namespace MdlIniData {

namespace {

const QString kProc = QStringLiteral("Sub Main-PFuGetIniData");
const QString kNone = QStringLiteral("None");
// The program's scramble key for the database password.
const QByteArray kPassKey = QByteArrayLiteral("qzt5086");

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return 0;
}

// The most minutes the entry screens count with: a day. Their time arithmetic stays in range below it.
constexpr double kMaxMinutes = 1440;

// The minute step of the time lists, as the screens convert it (CLng): a whole number of minutes from 0
// (the lists keep their own step) up to a day. A negative step empties the minute list.
bool usableStep(const QString& value) {
    if (!text::vbIsNumeric(value))
        return false;
    try {
        const int32_t step = text::vbCLng(value, kProc);
        return step >= 0 && step <= kMaxMinutes;
    } catch (const VbError&) {
        return false; // beyond a Long
    }
}

// The expected minutes of an instruction, as the screens read them (Val): 0 (no duration check) up to
// a day. A negative value puts the default end before the start.
bool usableExpected(const QString& value) {
    if (!text::vbIsNumeric(value))
        return false;
    const double minutes = text::vbVal(value);
    return minutes >= 0 && minutes <= kMaxMinutes;
}

// Reads one key; logs "[section] key の取得に失敗" and returns false when it is missing.
bool readKey(const QString& section, const QString& key, QString& value) {
    value = PFuStrReadIniFile(section, key, kNone);
    if (value == kNone) {
        PFuBolPutLog(kProc, QStringLiteral("[%1] %2の取得に失敗").arg(section, key));
        return false;
    }
    return true;
}

} // namespace

unsigned char FuBytHexToByte(const QString& pair) {
    const int hi = pair.size() > 0 ? hexValue(pair.at(0)) : 0;
    const int lo = pair.size() > 1 ? hexValue(pair.at(1)) : 0;
    return static_cast<unsigned char>(hi * 16 + lo);
}

QByteArray FuAryHexToBytes(const QString& text) {
    // Half the length, a half rounded to the even neighbour: 15 characters give 8 bytes.
    const auto n = static_cast<qsizetype>(std::nearbyint(static_cast<double>(text.size()) / 2.0));
    QByteArray bytes;
    bytes.reserve(n);
    for (qsizetype i = 0; i < n; ++i)
        bytes.append(static_cast<char>(FuBytHexToByte(text.mid(2 * i, 2))));
    return bytes;
}

QByteArray FuStrXorKey(const QByteArray& bytes) {
    QByteArray out(bytes.size(), '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = static_cast<char>(static_cast<unsigned char>(bytes[i]) ^
                                   static_cast<unsigned char>(kPassKey[i % kPassKey.size()]));
    return out;
}

QByteArray FuStrPassDecode(const QString& text) {
    return FuStrXorKey(FuAryHexToBytes(text));
}

bool PFuGetIniData() {
    const QString client = QStringLiteral("CLIENT");
    bool ok = true;
    QString v;

    if (readKey(client, QStringLiteral("clinic_code"), v))
        gStrClinicCode = v;
    else
        ok = false;

    if (readKey(client, QStringLiteral("ConString"), v))
        gStrConString = v;
    else
        ok = false;

    if (readKey(client, QStringLiteral("passwd"), v)) {
        // Whole character pairs must cover the seven-character key.
        if (v.size() / 2 >= 7) {
            gStrDbPassword = FuStrPassDecode(v);
        } else {
            PFuBolPutLog(kProc, QStringLiteral("[CLIENT] passwdの取得に失敗(パスワードの長さ)"));
            ok = false;
        }
    } else {
        ok = false;
    }

    if (readKey(client, QStringLiteral("mdb_name"), v))
        gStrMdbName = text::localPath(v);
    else
        ok = false;

    if (readKey(client, QStringLiteral("Optimize"), v))
        gStrOptimize = v;
    else
        ok = false;

    if (readKey(client, QStringLiteral("CompactCon"), v))
        gStrCompactCon = v;
    else
        ok = false;

    if (readKey(client, QStringLiteral("ImagePath"), v))
        gStrImagePath = gStrAppPath + text::localPath(v);
    else
        ok = false;

    if (readKey(client, QStringLiteral("Eisei_MM"), v)) {
        if (usableStep(v)) {
            gStrEiseiMM = v;
        } else {
            PFuBolPutLog(kProc, QStringLiteral("[CLIENT] Eisei_MMの取得に失敗(数値チェック)"));
            ok = false;
        }
    } else {
        ok = false;
    }

    if (readKey(client, QStringLiteral("Eisei_Chk_MM"), v)) {
        if (usableExpected(v)) {
            gStrEiseiChkMM = v;
        } else {
            PFuBolPutLog(kProc, QStringLiteral("[CLIENT] Eisei_Chk_MMの取得に失敗(数値チェック)"));
            ok = false;
        }
    } else {
        ok = false;
    }

    if (readKey(QStringLiteral("Printer"), QStringLiteral("Dialog"), v))
        gBolPrintDialog = (v == QLatin1String("Y"));
    else
        ok = false;

    if (readKey(QStringLiteral("Printer"), QStringLiteral("PrintPreview"), v))
        gBolPrintPreview = (v == QLatin1String("Y"));
    else
        ok = false;

    if (readKey(QStringLiteral("DEBUG"), QStringLiteral("MainBtn"), v))
        gBolMainBtn = (v == QLatin1String("Y"));
    else
        ok = false;

    if (readKey(QStringLiteral("SeimituPrint"), QStringLiteral("Kizami"), v))
        gDblKizami = text::vbVal(v);
    else
        ok = false;

    return ok;
}

} // namespace MdlIniData
