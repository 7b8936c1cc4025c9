#include "app/recordcore/KarteData.h"

const std::array<QString, kToothCount>& ToothOrder52() {
    static const std::array<QString, kToothCount> suffixes = [] {
        std::array<QString, kToothCount> s;
        const char* quadrants[] = {"ur", "ul", "dr", "dl"};
        for (int q = 0; q < 4; ++q) {
            for (int t = 1; t <= 8; ++t)
                s[q * 8 + t - 1] = QLatin1String(quadrants[q]) + QString::number(t);
            for (int n = 0; n < 5; ++n)
                s[32 + q * 5 + n] = QLatin1String(quadrants[q]) + QChar(u'a' + n);
        }
        return s;
    }();
    return suffixes;
}

QString toothColumnList(const QString& prefix) {
    // The load asks for the same few lists thousands of times.
    static thread_local QString lastPrefix, lastList;
    if (prefix == lastPrefix && !lastList.isEmpty())
        return lastList;
    QString list;
    for (const QString& suffix : ToothOrder52()) {
        if (!list.isEmpty())
            list += QLatin1String(", ");
        list += prefix + suffix;
    }
    lastPrefix = prefix;
    lastList = list;
    return list;
}

int toothQuadrant(int index) {
    return index < 32 ? index / 8 : (index - 32) / 5;
}
