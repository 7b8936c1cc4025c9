// The instruction entry screen on a real keyed database: the cleaning master, the settings it reads, a
// fixed clock, visit records as the record book hands them over, and the screen opened through its opener
// with what the user does on it.
#pragma once
#include <QLabel>

#include "EntryFixture.h"
#include "app/entry/EntryClock.h"
#include "app/entry/FrmMKarte03_002.h"
#include "app/entry/MdlPlaqueEntry.h"
#include "app/shell/ShellGlobals.h"
#include "controls/dental/PlaqueCheck.h"
#include "controls/timeentry/MyImTime.h"
#include "controls/toothchart/DText.h"
#include "controls/toothchart/DrawGlyphor.h"
#include "platform/fields/ImDate.h"

using Entry = FrmMKarte03_002;

class EntryScreenFixture : public EntryFixture {
protected:
    // Every tooth present in compressed notation, as a book without a tooth part hands it over.
    static inline const QString kAllPermanent = QStringLiteral("C") + QString(32, u'a');

    void SetUp() override {
        EntryFixture::SetUp();
        saved = {gStrEiseiChkMM, gBolMainBtn};
        gStrEiseiChkMM = QStringLiteral("20");
        gBolMainBtn = false;
        gStrKarteDateFrom = QStringLiteral("2000/01/01");
        gStrKarteDateTo = QStringLiteral("2099/12/31");
        gStrParts33 = kAllPermanent;
        gPatientInfo.name = QStringLiteral("山田 花子");
        gPatientInfo.birthday = QStringLiteral("1970/05/12");
        gPatientInfo.age = QStringLiteral("54");
        gPatientInfo.sex_name = QStringLiteral("女");
        setNow(QStringLiteral("2024/06/03 10:10:00"));
        for (const auto& [code, name] : kMaster)
            queue(QStringLiteral("INSERT INTO m_cleaning_imp_m VALUES ('%1', '%2')").arg(code, name));
        flush();
    }
    void TearDown() override {
        Entry::unload();
        entryclock::setNowSource({});
        gStrEiseiChkMM = saved.chk;
        gBolMainBtn = saved.mainBtn;
        EntryFixture::TearDown();
    }

    // The clock reads this time from now on ("yyyy/MM/dd hh:mm:ss").
    void setNow(const QString& text) {
        now = QDateTime::fromString(text, QStringLiteral("yyyy/MM/dd hh:mm:ss"));
        entryclock::setNowSource([this] { return now; });
    }

    // A visit as the record book hands it over: a new visit of today by default.
    static InstructVisitData visitOf(const QString& entry, const QString& start = QString(),
                                     const QString& end = QString(), const QString& point = QString()) {
        InstructVisitData v;
        v.entry = entry;
        v.entry_no = 1;
        v.inst_start_time = start;
        v.inst_end_time = end;
        v.inst_point = point;
        v.plaque.fill(kBlankPlaque);
        v.staff_name = QStringLiteral("青木 美咲");
        return v;
    }
    static void handOver(const QString& mode, const InstructVisitData& visit,
                         std::vector<InstructVisitData> history = {}, long historyUbound = -2) {
        gKarteInfo = InstructEntryData();
        gKarteInfo.mode = mode;
        gKarteInfo.visit = visit;
        gKarteInfo.history_ubound =
            historyUbound == -2 ? static_cast<long>(history.size()) - 1 : historyUbound;
        gKarteInfo.history = std::move(history);
    }

    // Opens the screen through its opener; act runs on the shown, activated screen (left as it is
    // afterwards: a screen still shown is then closed by its frame).
    bool open(const std::function<void(Entry&)>& act) {
        onScreen<Entry>([act](Entry& f) {
            EXPECT_EQ(f.loadState(), forms::LoadState::Ready);
            activate(f);
            if (act)
                act(f);
        });
        const bool result = MdlPlaqueEntry::PFuBolPlaqueEntryDisp();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return result;
    }
    static QString text(Entry& f, const char* name) {
        if (auto* l = f.findChild<QLabel*>(QLatin1String(name)))
            return l->text();
        if (auto* b = f.findChild<QAbstractButton*>(QLatin1String(name)))
            return b->text();
        ADD_FAILURE() << name;
        return QString();
    }
    static QWidget* widget(Entry& f, const char* name) {
        auto* w = f.findChild<QWidget*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // "E" enabled, "d" disabled, "-" hidden.
    static QString state(Entry& f, const char* name) {
        QWidget* w = widget(f, name);
        if (!w)
            return QStringLiteral("?");
        if (!w->isVisibleTo(&f))
            return QStringLiteral("-");
        return w->isEnabled() ? QStringLiteral("E") : QStringLiteral("d");
    }
    // The texts of the selected rows of a grid, in row order.
    static QStringList selected(SpreadGrid& g) {
        QStringList out;
        for (int r = 1; r <= g.maxRows(); ++r) {
            g.setRow(r);
            if (g.selModeSelected())
                out << g.getText(1, r);
        }
        return out;
    }
    // The message numbers of the boxes shown, by their texts in the shipped message file.
    QStringList messageNumbers() const {
        QStringList out;
        for (const msgbox::Shown& s : msgbox::shown())
            out << numberOf(s.text);
        return out;
    }
    static QString numberOf(const QString& text) {
        for (const auto& [number, start] : kMessageStarts)
            if (text.startsWith(start))
                return number;
        return text;
    }

    static inline const std::vector<std::pair<QString, QString>> kMaster = {
        {"01", "歯ブラシ（ふつう）"}, {"02", "歯ブラシ（やわらかめ）"}, {"03", "電動歯ブラシ"},
        {"04", "タフトブラシ"},       {"05", "デンタルフロス"},         {"06", "歯間ブラシ（SS）"},
        {"07", "歯間ブラシ（S）"},    {"08", "歯間ブラシ（M）"},        {"09", "舌ブラシ"},
        {"10", "義歯用ブラシ"},       {"11", "フッ化物配合歯磨剤"},     {"12", "洗口液"}};
    static inline const std::vector<std::pair<QString, QString>> kMessageStarts = {
        {"000", "入力内容を確定します。"},
        {"001", "この記録を削除します。"},
        {"002", "この記録の削除を取り消します。"},
        {"003", "入力内容を破棄して閉じます。"},
        {"006", "指導時間を確認してください。"},
        {"201", "指導日が正しくありません。"},
        {"202", "指導時間が正しくありません。"},
        {"203", "清掃用具は10件まで選択できます。"},
        {"204", "終了時刻が開始時刻より前"},
        {"205", "指導日が入力できる期間を外れています。"},
        {"206", "評価・習慣・指導内容を入力してください。"},
        {"207", "入力中の内容は印刷に反映されません。"},
        {"208", "同じ時間帯に別の実地指導"},
        {"802", "清掃用具の取得に失敗しました。"},
        {"805", "実地指導時間の確認に失敗しました。"},
        {"899", "画面の表示に失敗しました。"}};

    QDateTime now;

private:
    struct Saved {
        QString chk;
        bool mainBtn = false;
    } saved;
};
