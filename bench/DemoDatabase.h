// The demo database laid beside the program, as the benchmarks open it.
#pragma once
#include <QByteArray>
#include <QString>

#include "app/shell/MdlIniData.h"
#include "platform/profile/Profile.h"

namespace benchdemo {

inline const QString kDemoDb = QStringLiteral(ORVANTA_BIN_DIR "/Orvanta.mdb");

// The demo password: the settings file beside the program, decoded the program's way.
inline QByteArray demoPassword() {
    return MdlIniData::FuStrPassDecode(profile::readString(QStringLiteral(ORVANTA_BIN_DIR "/Orvanta.ini"),
                                                           QStringLiteral("CLIENT"), QStringLiteral("passwd"),
                                                           QString()));
}

} // namespace benchdemo
