#include "app/shell/MdlCommInterface.h"

#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

#include "app/shell/ShellGlobals.h"
#include "platform/ado/Ado.h"
#include "platform/error/VbError.h"
#include "platform/spread/SpreadGrid.h"
#include "platform/text/Era.h"
#include "platform/text/Text.h"

namespace MdlCommInterface {

namespace {

const QString kSource = QStringLiteral("MdlCommInterface");

VbError typeMismatch() {
    return VbError::of(13, kSource);
}

// The screen pointer values the program passes, as Qt cursors.
Qt::CursorShape cursorShape(int pointer) {
    switch (pointer) {
    case 2:
        return Qt::CrossCursor;
    case 3:
        return Qt::IBeamCursor;
    case 11:
        return Qt::WaitCursor;
    case 12:
        return Qt::ForbiddenCursor;
    case 13:
        return Qt::BusyCursor;
    case 15:
        return Qt::SizeAllCursor;
    case 99:
        return Qt::PointingHandCursor;
    default:
        return Qt::ArrowCursor;
    }
}

// The text form of a value as the program shows it: True/False, dates as yyyy/mm/dd.
QString textForm(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("yyyy/MM/dd"));
    case QMetaType::QDateTime: {
        const QDateTime dt = value.toDateTime();
        if (dt.time() == QTime(0, 0))
            return dt.toString(QStringLiteral("yyyy/MM/dd"));
        return dt.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    }
    case QMetaType::QTime:
        return value.toTime().toString(QStringLiteral("HH:mm:ss"));
    case QMetaType::Double:
    case QMetaType::Float:
        // Fifteen significant digits, as the program always showed numbers (0.1 + 0.2 gives "0.3").
        return QString::number(value.toDouble(), 'g', 15).toUpper();
    default:
        break;
    }
    if (!value.canConvert<QString>())
        throw typeMismatch();
    return value.toString();
}

// The date a value holds; Type mismatch when it holds none.
QDate dateOf(const QVariant& value) {
    QDate d;
    switch (value.typeId()) {
    case QMetaType::QDate:
        d = value.toDate();
        break;
    case QMetaType::QDateTime:
        d = value.toDateTime().date();
        break;
    case QMetaType::QString:
        d = era::parseDate(value.toString());
        break;
    default:
        break;
    }
    if (!d.isValid())
        throw typeMismatch();
    return d;
}

// "yyyymmdd" of a date text; Type mismatch when it is not a date.
QString yyyymmdd(const QString& dateText) {
    const QDate d = era::parseDate(dateText);
    if (!d.isValid())
        throw typeMismatch();
    return d.toString(QStringLiteral("yyyyMMdd"));
}

// Creates one folder; the reason on failure.
void makeFolder(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    if (::mkdir(native.constData(), 0777) != 0) {
        const int err = errno;
        if (err != EEXIST)
            throw VbError::of(75, kSource,
                              path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(err)));
    }
    if (!QFileInfo(path).isDir())
        throw VbError::of(75, kSource, path + QStringLiteral(": not a folder"));
}

// The window frame around a form: the title bar and borders the window system adds.
QMargins frameMargins(const QWidget* form) {
    const QRect outer = form->frameGeometry();
    const QRect inner = form->geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

// The frame around a form: its own once it has been shown; before that, the frame of another shown window
// of the program (the active one first), as every window of the program has the same kind of frame.
QMargins windowFrame(const QWidget* form) {
    QList<QWidget*> others = QApplication::topLevelWidgets();
    others.prepend(QApplication::activeWindow());
    QMargins frame = frameMargins(form);
    for (const QWidget* w : others) {
        if (!frame.isNull())
            break;
        if (w && w != form && w->isVisible())
            frame = frameMargins(w);
    }
    return frame;
}

} // namespace

// ---- screens -------------------------------------------------------------------------------------------

void PSuMousePointer(int pointer, QWidget* form) {
    try {
        // The screen pointer is one value: drop every override before setting at most one.
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        if (pointer != 0)
            QApplication::setOverrideCursor(QCursor(cursorShape(pointer)));
        if (form)
            form->setEnabled(pointer == 0);
    } catch (...) {
        // The busy pointer is a courtesy: never let it break the caller.
    }
}

QRect formPlacement(const QWidget* form, const QRect& area, const QMargins& frame) {
    const QSize client = form->size();
    // Only a laid-out form can shrink; a form whose controls sit at fixed places keeps its size.
    const QSize minimum =
        form->layout() ? form->minimumSizeHint().expandedTo(form->minimumSize()).boundedTo(client) : client;
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QSize outer = client.boundedTo(area.size() - frameSize).expandedTo(minimum) + frameSize;
    return QRect(area.x() + std::max(0, (area.width() - outer.width()) / 2),
                 area.y() + std::max(0, (area.height() - outer.height()) / 2), outer.width(), outer.height());
}

void PSuFormCenter(QWidget* form) {
    if (!form)
        return;
    QScreen* screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QMargins frame = windowFrame(form);
    const QRect place = formPlacement(form, screen->availableGeometry(), frame);
    const QSize client = place.size().shrunkBy(frame);
    if (client != form->size())
        form->resize(client);
    form->move(place.topLeft());
}

void PSuFormCaption(QWidget* form, const QString& title) {
    if (!form)
        return;
    const QString head = title.isEmpty() ? text::vbMid(form->objectName(), 4) : title;
    form->setWindowTitle(head + QChar(0xFF0D) + form->windowTitle());
}

// ---- files and values ----------------------------------------------------------------------------------

bool PFuBolFileExist(const QString& path) {
    if (path.isEmpty())
        return false;
    const QFileInfo fi(text::localPath(path));
    return fi.exists() && fi.isFile() && !fi.isHidden();
}

bool PFuBolIsEmpty(const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return true;
    return text::vbTrim(textForm(value)).isEmpty();
}

bool PFuBolIsEmpty(const ado::Field& value) {
    if (value.isNull())
        return true;
    return text::vbTrim(value.toString()).isEmpty();
}

QString PFuStrNullToStr(const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return QString();
    return textForm(value);
}

QString PFuStrNullToStr(const ado::Field& value) {
    return value.isNull() ? QString() : value.toString();
}

QString PFuStrPathJoin(const QString& folder, const QString& name) {
    if (folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder + name;
    return folder + u'/' + name;
}

bool PFuBolMkDir(const QString& path) {
    try {
        const QString p = text::localPath(path);
        // Empty pieces (doubled or trailing separators) are skipped. An absolute path starts at the root,
        // a relative one in the current folder.
        const QStringList pieces = p.split(u'/', Qt::SkipEmptyParts);
        QString running = p.startsWith(u'/') ? QStringLiteral("/") : QString();
        for (const QString& piece : pieces) {
            running += piece + u'/';
            if (!QFileInfo(running).isDir())
                makeFolder(running);
        }
        return true;
    } catch (const std::exception& e) {
        const QString desc = errorDescription(e);
        PFuDispMessage(QStringLiteral("000"), QStringLiteral("812"), EnMsgDispButton::O,
                       EnMsgDispIcon::Manual, QStringLiteral("\r\n") + desc);
        PFuBolPutLog(QStringLiteral("PFuBolMkDir"), QStringLiteral("ディレクトリの作成に失敗しました。"));
        PFuBolPutLog(QStringLiteral("PFuBolMkDir"), desc);
        return false;
    }
}

long PFuLngGetAge(const QString& birth, const QString& base) {
    try {
        const QString baseText =
            base == QStringLiteral("0") ? QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) : base;
        const QString birthText = yyyymmdd(birth);
        // Whole years: the difference of the yyyymmdd numbers, truncated toward zero.
        return static_cast<long>(
            (static_cast<long long>(text::vbCLng(baseText, kSource)) - text::vbCLng(birthText, kSource)) /
            10000);
    } catch (const std::exception& e) {
        const QString desc = errorDescription(e);
        PFuDispMessage(QStringLiteral("000"), QStringLiteral("814"), EnMsgDispButton::O,
                       EnMsgDispIcon::Manual, QStringLiteral("\r\n") + desc);
        PFuBolPutLog(QStringLiteral("PFuLngGetAge"), QStringLiteral("現在年齢の取得に失敗しました。"));
        PFuBolPutLog(QStringLiteral("PFuLngGetAge"), desc);
        return -1;
    }
}

// ---- grid ----------------------------------------------------------------------------------------------

void PSuSpdCellCheck(SpreadGrid& grid, long col, long row) {
    grid.setAction(SpreadGrid::ActionSelModeClear);
    grid.setCol(static_cast<int>(col));
    grid.setRow(static_cast<int>(row));
    grid.setAction(SpreadGrid::ActionActiveCell);
    grid.setSelModeSelected(true);
}

void PSuSpdCellSet(SpreadGrid& grid, long col, long row) {
    grid.setCol(static_cast<int>(col));
    grid.setRow(static_cast<int>(row));
    const double height = grid.maxTextCellHeight();
    grid.setRowHeight(static_cast<int>(row), height);
}

// ---- era-date key filter -------------------------------------------------------------------------------

bool PFuBolEraKeyCheck(bool& changed, int position, int keyAscii, int keyCode) {
    if (keyCode == -9999) {
        const QChar c(static_cast<char16_t>(keyAscii));
        if (position == 0 || position == 1) {
            // The era part takes an era letter.
            if (keyAscii > 0 && keyAscii < 128 && era::eraOfLetter(c) >= 0)
                changed = true;
        } else if (c >= u'0' && c <= u'9') {
            changed = true;
        }
    } else if (keyCode == 38 || keyCode == 40 || (keyCode >= 48 && keyCode <= 51) ||
               (keyCode >= 96 && keyCode <= 99)) {
        changed = true;
    }
    return false;
}

// ---- dates and files -----------------------------------------------------------------------------------

bool PFuBolYukoDateCheck(const QString& date, const QString& start, const QString& end) {
    int step = 1;
    try {
        // 1: each text as yyyy/mm/dd (a text that is not a date fails here).
        auto formatted = [](const QString& t) {
            const QDate d = era::parseDate(t);
            if (!d.isValid())
                throw typeMismatch();
            return d.toString(QStringLiteral("yyyy/MM/dd"));
        };
        QString d = formatted(date), s = formatted(start), e = formatted(end);
        // 2: yyyymmdd.
        step = 2;
        d.remove(u'/');
        s.remove(u'/');
        e.remove(u'/');
        // 3: whole numbers.
        step = 3;
        const int32_t nd = text::vbCLng(d, kSource), ns = text::vbCLng(s, kSource),
                      ne = text::vbCLng(e, kSource);
        // 4: both ends included.
        step = 4;
        return ns <= nd && nd <= ne;
    } catch (const std::exception& ex) {
        const QString desc = errorDescription(ex);
        const QString proc = QStringLiteral("PFuBolYukoDateCheck");
        PFuDispMessage(QStringLiteral("000"), QStringLiteral("900"), EnMsgDispButton::O,
                       EnMsgDispIcon::Manual, QStringLiteral("\r\n") + desc);
        PFuBolPutLog(proc, desc);
        if (step == 1)
            PFuBolPutLog(proc, QStringLiteral("Format関数エラー　０うめフォーマットに失敗"));
        else if (step == 2)
            PFuBolPutLog(proc, QStringLiteral("Replace関数エラー　/の取り除きに失敗"));
        else if (step == 3)
            PFuBolPutLog(proc, QStringLiteral("CLng関数エラー　文字列から数値型の変換に失敗"));
        PFuBolPutLog(proc, QStringLiteral("第一引数(チェック日付):") + date);
        PFuBolPutLog(proc, QStringLiteral("第二引数(範囲はじめ日付):") + start);
        PFuBolPutLog(proc, QStringLiteral("第三引数(範囲おわり日付):") + end);
        return false;
    }
}

bool PFuBolFileCopy(const QString& src, const QString& dst) {
    namespace fs = std::filesystem;
    std::error_code ec;
    bool ok = false;
    QString desc;
    try {
        const fs::path from(QFile::encodeName(text::localPath(src)).toStdString());
        const fs::path to(QFile::encodeName(text::localPath(dst)).toStdString());
        ok = fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
        if (ec)
            desc = VbError::of(75, kSource, QString::fromLocal8Bit(ec.message().c_str())).description();
        else if (!ok)
            desc = vbErrorText(75);
        ok = ok && !ec;
    } catch (const std::exception& e) {
        ok = false;
        desc = QString::fromLocal8Bit(e.what());
    }
    if (ok)
        return true;
    const QString proc = QStringLiteral("PFuBolFileCopy");
    PFuBolPutLog(proc, QStringLiteral("ファイルのコピーに失敗"));
    PFuBolPutLog(proc, desc);
    PFuBolPutLog(proc, QStringLiteral("from ") + src);
    PFuBolPutLog(proc, QStringLiteral("to   ") + dst);
    return false;
}

bool PFuBolGetFileName(const QString& path, QString& fileName) {
    const QString proc = QStringLiteral("PFuBolGetFileName");
    try {
        if (text::vbTrim(path).isEmpty()) {
            PFuBolPutLog(proc, QStringLiteral("第一引数が空白。"));
            return false;
        }
        fileName = PFuBolFileExist(path) ? QFileInfo(text::localPath(path)).fileName() : QString();
        if (fileName.isEmpty()) {
            PFuBolPutLog(proc, QStringLiteral("ファイルが存在しない。"));
            PFuBolPutLog(proc, path);
            return false;
        }
        return true;
    } catch (const std::exception& e) {
        PFuBolPutLog(proc, QStringLiteral("フルパスからファイル名の取得に失敗"));
        PFuBolPutLog(proc, errorDescription(e));
        PFuBolPutLog(proc, QStringLiteral("StrPath ") + path);
        return false;
    }
}

QString PFuStrWarekiDate(const QVariant& date) {
    return era::warekiText(dateOf(date));
}

} // namespace MdlCommInterface
