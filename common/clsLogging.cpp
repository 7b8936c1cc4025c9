#include "common/clsLogging.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdint>
#include <exception>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

#include "common/VeltrumCommon.h"
#include "platform/error/VbError.h"
#include "platform/msgbox/MsgBox.h"
#include "platform/text/Text.h"

std::function<QDateTime()> clsLogging::clock;

namespace {

constexpr qsizetype kRecordBytes = 1000;
constexpr qsizetype kTextBytes = 998; // then CR LF

const QString kSource = QStringLiteral("Veltrum.clsLogging");

// One record: the text cut to 998 bytes (a split double-byte character leaves a blank),
// padded with blanks, then CR LF.
QByteArray makeRecord(const QByteArray& textBytes) {
    QByteArray rec = text::cutCp932(textBytes, kTextBytes, text::DanglingLead::Blank);
    rec.append(kTextBytes - rec.size(), ' ');
    rec.append("\r\n", 2);
    return rec;
}

bool readFully(int fd, char* buf, qsizetype len, int64_t offset, qsizetype* got) {
    qsizetype done = 0;
    while (done < len) {
        const ssize_t r = ::pread(fd, buf + done, static_cast<size_t>(len - done), offset + done);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (r == 0)
            break;
        done += r;
    }
    *got = done;
    return true;
}

bool writeFully(int fd, const QByteArray& bytes, int64_t offset) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t w =
            ::pwrite(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done), offset + done);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += w;
    }
    return true;
}

// Header, then the line; nothing is written unless both can be.
bool putLine(int fd, bool existed, int32_t maxRecord, const QString& proc, const QString& msg) {
    char head[kRecordBytes];
    qsizetype got = 0;
    if (!readFully(fd, head, kRecordBytes, 0, &got))
        return false;

    int64_t n = 2;
    // An existing file with no bytes at all (truncated, or left by a failed first write) has no
    // header yet: it starts like a new one instead of failing every line from now on.
    if (existed && got > 0) {
        const QString headText = text::fromCp932(QByteArray(head, std::min(got, kTextBytes)));
        try {
            n = text::vbCLng(headText, kSource);
        } catch (const VbError&) {
            return false; // a damaged header: the file is left as it is
        }
    }
    if (n > maxRecord || n < 2)
        n = 2;

    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    const int64_t next = n + 1;
    const int64_t offset = (n - 1) * kRecordBytes;
    if (next > kMax || offset > kMax)
        return false;

    const QDateTime now = clsLogging::clock ? clsLogging::clock() : QDateTime::currentDateTime();
    const QString line = QString::asprintf("%05d|", static_cast<int>(n)) +
                         now.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")) + u' ' + proc + u' ' + msg;

    if (!writeFully(fd, makeRecord(QByteArray::number(next).rightJustified(5, '0')), 0))
        return false;
    return writeFully(fd, makeRecord(text::toCp932(line)), offset);
}

} // namespace

void clsLogging::PoSetLogMaxWrite(const QString& value) {
    veltrum::setProperty(QStringLiteral("PoSetLogMaxWriteプロパティでのエラー"), kSource, [&] {
        const QString t = text::vbTrim(value).isEmpty() ? QStringLiteral("1000") : value;
        maxRecord_ = text::vbCLng(t, kSource);
    });
}

void clsLogging::PoSetLogFilePath(const QString& path) {
    veltrum::setProperty(QStringLiteral("PoSetLogFilePathプロパティでのエラー"), kSource,
                         [&] { path_ = path; });
}

bool clsLogging::PFuBolPutLog(const QString& StrFunction, const QString& StrLogMsg) {
    const bool existed = QFileInfo(path_).isFile();
    bool ok = false;
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd >= 0) {
        try {
            ok = putLine(fd, existed, maxRecord_, StrFunction, StrLogMsg);
        } catch (const std::exception&) {
            ok = false;
        }
        if (::close(fd) != 0)
            ok = false;
    }
    if (!ok)
        msgbox::msgBoxA(msgbox::activeWindow(), QStringLiteral("ログファイルの出力に失敗しました。"),
                        QStringLiteral("エラー"), int(msgbox::MB_OK) | msgbox::MB_ICONSTOP);
    return ok;
}
