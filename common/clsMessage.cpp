#include "common/clsMessage.h"

#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <exception>
#include <limits>

#include "common/VeltrumCommon.h"
#include "platform/error/VbError.h"
#include "platform/msgbox/MsgBox.h"
#include "platform/text/Text.h"

namespace {

const QString kSource = QStringLiteral("Veltrum.clsMessage");

// Reads the message file item by item, the way sequential input of the old runtime did: an item
// ends at a comma or a line end, blanks in front of it are skipped, and an item that begins with a
// double quote runs to the closing quote (commas included) and loses the quotes.
class ItemReader {
public:
    explicit ItemReader(QString text) : s_(std::move(text)) {}

    bool atEnd() const { return p_ >= s_.size(); }

    QString next() {
        if (atEnd())
            throw VbError::of(62, kSource);
        while (p_ < s_.size() && s_[p_] == u' ')
            ++p_;
        QString item;
        if (p_ < s_.size() && s_[p_] == u'"') {
            const qsizetype close = s_.indexOf(u'"', p_ + 1);
            if (close < 0) {
                item = s_.mid(p_ + 1);
                p_ = s_.size();
                return item;
            }
            item = s_.mid(p_ + 1, close - p_ - 1);
            p_ = close + 1;
            // Whatever follows the closing quote up to the delimiter is passed over.
            while (p_ < s_.size() && !isDelimiter(s_[p_]))
                ++p_;
        } else {
            const qsizetype start = p_;
            while (p_ < s_.size() && !isDelimiter(s_[p_]))
                ++p_;
            item = s_.mid(start, p_ - start);
        }
        skipDelimiter();
        return item;
    }

private:
    static bool isDelimiter(QChar c) { return c == u',' || c == u'\r' || c == u'\n'; }

    void skipDelimiter() {
        if (p_ >= s_.size())
            return;
        if (s_[p_] == u'\r') {
            ++p_;
            if (p_ < s_.size() && s_[p_] == u'\n')
                ++p_;
        } else {
            ++p_; // ',' or LF
        }
    }

    QString s_;
    qsizetype p_ = 0;
};

// "[" + work id + "]" in the first five characters of the trimmed item.
bool isHeaderOf(const QString& item, const QString& workId) {
    return text::vbLeft(text::vbTrim(item), 5) == u'[' + workId + u']';
}

// Any section header: "[" first and "]" fifth in the trimmed item.
bool isAnyHeader(const QString& item) {
    const QString t = text::vbTrim(item);
    return t.startsWith(u'[') && text::vbMid(t, 5, 1) == QStringLiteral("]");
}

// The number part of a message line: the text before its first ASCII space (a full-width blank
// does not separate), or the whole item.
QString numberPart(const QString& item) {
    const qsizetype sp = item.indexOf(u' ');
    return sp < 0 ? item : item.left(sp);
}

// The text of a message line: everything after its first ASCII space, later blanks kept; the
// whole item when it has no space.
QString messageText(const QString& item) {
    const qsizetype sp = item.indexOf(u' ');
    return sp < 0 ? item : item.mid(sp + 1);
}

// The icon a message number asks for.
int iconByNumber(int32_t n) {
    if (n >= 0 && n <= 200)
        return msgbox::MB_ICONQUESTION;
    if (n >= 201 && n <= 500)
        return msgbox::MB_ICONEXCLAMATION;
    if (n >= 501 && n <= 700)
        return msgbox::MB_ICONINFORMATION;
    if (n >= 801 && n <= 900)
        return msgbox::MB_ICONSTOP;
    return msgbox::MB_ICONNONE;
}

struct Found {
    bool ok = false;
    QString title;
    QString text;
};

// Searches every section of the work id for the number. A header on the last line ends the search
// (not found) rather than reading past the end, and a section of the same work id that directly
// follows another is searched as well.
Found findMessage(const QString& fileText, const QString& workId, const QString& msgId) {
    ItemReader in(fileText);
    const QString wantedNumber = text::vbTrim(msgId);
    while (!in.atEnd()) {
        QString item = in.next();
        if (!isHeaderOf(item, workId))
            continue;
        QString title = text::vbTrim(text::vbMid(item, 7));
        while (!in.atEnd()) {
            item = in.next();
            const QString number = numberPart(item);
            if (!number.isEmpty() && number == wantedNumber)
                return Found{true, title, messageText(item)};
            if (isHeaderOf(item, workId)) {
                title = text::vbTrim(text::vbMid(item, 7));
                continue;
            }
            if (isAnyHeader(item))
                break; // back to looking for a later section of this work id
        }
    }
    return {};
}

} // namespace

void clsMessage::PoSetDirPath(const QString& path) {
    veltrum::setProperty(QStringLiteral("PoSetDirPathプロパティでのエラー"), kSource, [&] { path_ = path; });
}

int clsMessage::PFuDispMessage(const QString& StrWorkID, const QString& StrMsgID, EnMsgDispButton VbMsgButton,
                               EnMsgDispIcon VbMsgIcon, const QString& StrAddMsg, const QString& StrTitle) {
    QWidget* owner = msgbox::activeWindow();
    try {
        if (!QFileInfo(path_).isFile()) {
            msgbox::msgBoxA(owner, path_ + QStringLiteral("が存在しない\r\nPFuDispMessageでエラー"),
                            veltrum::kTitle, msgbox::MB_OK);
            return 0;
        }
        QByteArray bytes;
        {
            QFile f(path_);
            if (!f.open(QIODevice::ReadOnly))
                throw VbError::of(75, kSource, path_);
            bytes = f.readAll();
            if (f.error() != QFileDevice::NoError)
                throw VbError::of(57, kSource, path_);
        } // closed here, before any box is shown

        const Found found = findMessage(text::fromCp932(bytes), StrWorkID, StrMsgID);
        if (!found.ok) {
            msgbox::msgBoxA(owner, QStringLiteral("該当するメッセージが有りません"), StrTitle,
                            int(msgbox::MB_OK) | msgbox::MB_ICONEXCLAMATION);
            return 99;
        }

        QString msg = found.text;
        msg.replace(QStringLiteral("??"), QStringLiteral("\r\n"));
        if (!text::vbTrim(StrAddMsg).isEmpty())
            msg += StrAddMsg; // the caller's own line breaks; its "??" stays as written

        int64_t icon = static_cast<int>(VbMsgIcon);
        if (VbMsgIcon == EnMsgDispIcon::Manual)
            icon = iconByNumber(text::vbCLng(StrMsgID, kSource));
        const int64_t style = static_cast<int64_t>(static_cast<int>(VbMsgButton)) + icon;
        if (style > std::numeric_limits<int32_t>::max() || style < std::numeric_limits<int32_t>::min())
            throw VbError::of(6, kSource);

        const QString caption = text::vbTrim(StrTitle).isEmpty() ? found.title : StrTitle;
        return msgbox::msgBoxA(owner, msg, caption, static_cast<int>(style));
    } catch (const std::exception& e) {
        const VbError* v = dynamic_cast<const VbError*>(&e);
        const QString text = QStringLiteral("実行時エラー\r\nPFuDispMessageでエラー\r\nErrSource -> ") +
                             (v ? v->source() : kSource) + QStringLiteral("\r\n") + errorDescription(e);
        msgbox::msgBoxA(owner, text, veltrum::kTitle, msgbox::MB_OK);
        return 9999;
    }
}
