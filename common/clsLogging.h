// The ring log: fixed 1000-byte CP932 records, record 1 holding the next record number.
#pragma once
#include <QDateTime>
#include <QString>
#include <functional>

class clsLogging {
public:
    // MaxRecord from text: blank means 1000; a non-number is reported and keeps the old value.
    void PoSetLogMaxWrite(const QString& value);
    void PoSetLogFilePath(const QString& path);
    // Writes one line "nnnnn|yyyy/mm/dd hh:mm:ss proc msg"; false (after a box) on failure.
    bool PFuBolPutLog(const QString& StrFunction, const QString& StrLogMsg);

    int maxRecord() const { return maxRecord_; }
    const QString& filePath() const { return path_; }

    // Where the time of a line comes from; empty means the local clock (tests pin it).
    static std::function<QDateTime()> clock;

private:
    QString path_ = QStringLiteral("./clsLogging.log");
    int maxRecord_ = 1000;
};
