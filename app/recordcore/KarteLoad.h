// Loading a patient's record book into memory: the head row, the record lines and, walking the
// chain, every line's detail rows; progress goes to a wait window through a small interface.
#pragma once
#include <QString>

namespace ado {
class Connection;
}

namespace MdlKarteMain {

// What the load shows while it reads (the record-loading wait window implements it).
class KarteLoadView {
public:
    virtual ~KarteLoadView() = default;
    // Shown before the load starts, taken away after it, on success and failure alike.
    virtual void showWindow() {}
    virtual void unloadWindow() {}
    virtual void setGetMessage(const QString&) {}
    virtual void setGetCnt(long) {}
    virtual void setAllCnt(long) {}
    virtual void setBarRange(long /*min*/, long /*max*/) {}
    virtual void setBarValue(long) {}
    // Paints the window now (the load runs on the user-interface thread).
    virtual void refresh() {}
};

// The texts the load shows.
inline const QString kMsgReadingLines =
    QStringLiteral("検査レコード情報読込み中です。　しばらくお待ち下さい。");
inline const QString kMsgReadingDetails =
    QStringLiteral("検査詳細情報読込み中です。　しばらくお待ち下さい。");

// The whole book of the current patient under the view; true on success. The caller has erased
// the record-book memory. A book with a missing detail row, a broken chain or a number out of
// range is refused whole, with its message.
bool PFuBolKarteGetData(KarteLoadView& view);
// The head row and the lines, then the details.
bool FuBolKarteGetDataMain(KarteLoadView& view);
// The detail rows of every line of the chain on the load's connection, which it closes; sets the
// month's first line.
bool FuBolKarteSubDataGet(KarteLoadView& view, ado::Connection& con);

// The detail readers: entry is the line's date, entryNo its entry_no, rec its index.
bool FuBolSyusoGet(ado::Connection& con, const QString& entry, int entryNo, long rec);
bool FuBolSisyuKensaGet(ado::Connection& con, const QString& entry, int entryNo, long rec);
bool FuBolJittisidouGet(ado::Connection& con, const QString& entry, int entryNo, long rec);

} // namespace MdlKarteMain
