#include "app/recordcore/KarteRead.h"

#include "app/recordcore/KarteGlobals.h"
#include "app/shell/MdlCommInterface.h"
#include "platform/ado/Ado.h"

namespace MdlKarteMain {

QString readText(const ado::Field& f) {
    return MdlCommInterface::PFuStrNullToStr(f);
}

int readInt16(const ado::Field& f) {
    return int16Checked(f.toLongLong());
}

int readLink(const ado::Field& f, LinkNull nullAs) {
    if (f.isNull() && nullAs == LinkNull::Zero)
        return 0;
    const int v = readInt16(f);
    if (v < 0)
        throw VbError::of(9, QStringLiteral("Orvanta"), f.name() + QLatin1Char('=') + QString::number(v));
    return v;
}

int readRecNo(const ado::Field& f) {
    const int v = readInt16(f);
    if (v < 1)
        throw VbError::of(9, QStringLiteral("Orvanta"), f.name() + QLatin1Char('=') + QString::number(v));
    return v;
}

int readEntryRef(const ado::Field& f) {
    return f.isNull() ? 0 : readInt16(f);
}

} // namespace MdlKarteMain
