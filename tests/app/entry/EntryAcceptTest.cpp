// The entry screen's accept: every check in its order with its message and focus, the questions on the
// duration, the count of overlapping visits, and what a confirmed accept hands back.
#include <QTest>

#include "EntryScreenFixture.h"

namespace {

const QString kComment = QStringLiteral("歯間清掃");

class EntryAccept : public EntryScreenFixture {
protected:
    // A new visit of 2024/06/03 opened at 10:10, its times 10:10-10:30 and a comment: ready to accept.
    bool openReady(const std::function<void(Entry&)>& act) {
        handOver(QStringLiteral("1"), visitOf(QStringLiteral("2024/06/03")));
        return open([&](Entry& f) {
            f.DtxComment(0)->setPPoStrDString(kComment);
            act(f);
        });
    }
    // Presses 入力OK; true when the screen handed the visit back.
    static bool accept(Entry& f) {
        QPointer<Entry> alive(&f);
        click(f, "CmdUpdate");
        return !alive || alive->isUnloaded();
    }
    // The control that holds the focus is, or lies inside, the named one.
    static bool focused(Entry& f, const char* name) {
        QWidget* target = widget(f, name);
        QWidget* now = f.focusWidget();
        return target && now && (now == target || target->isAncestorOf(now));
    }
    // Another patient's stored instruction 10:00-10:30 on 2024/06/03.
    void addOtherVisit(const QString& pid, const QString& staff, bool deleted = false) {
        queue(QStringLiteral(
                  "INSERT INTO m_kh_record VALUES (%1, 1, NULL, NULL, '800', 1, 0, '2024/06/03', NULL, "
                  "NULL, '1111111100000', NULL, NULL, NULL, '', %2, '2024/06/03-10:00:00', '2', '%3', "
                  "NULL, NULL, NULL)")
                  .arg(q(pid), deleted ? QStringLiteral("'1'") : QStringLiteral("NULL"), staff));
        queue(QStringLiteral(
                  "INSERT INTO m_actual_instruction VALUES (%1, '2024/06/03', 1, '10:00', '10:30', 'x', "
                  "NULL, %2)")
                  .arg(q(pid), teethSql([](int) { return QStringLiteral("NULL"); })));
        flush();
    }
    static void setTimes(Entry& f, const char* start, const char* end) {
        f.ImiTime(0)->setText(QString::fromLatin1(start));
        f.ImiTime(1)->setText(QString::fromLatin1(end));
    }
    QString lastBoxText() const {
        return msgbox::shown().isEmpty() ? QString() : msgbox::shown().last().text;
    }
};

} // namespace

TEST_F(EntryAccept, ChecksStopAtTheFirstFailureWithItsMessageAndFocus) {
    struct Case {
        const char* what;
        std::function<void(Entry&)> make;
        QStringList messages;
        const char* focus;
    };
    const std::vector<Case> cases = {
        {"no date",
         [](Entry& f) { f.ImdEntryDate()->setText(QStringLiteral("＿＿ __年__月__日")); },
         {"201"},
         "ImdEntryDate"},
        {"no start", [](Entry& f) { f.ImiTime(0)->setText(QString()); }, {"202"}, "ImiTime_0"},
        {"start off the step",
         [](Entry& f) { f.ImiTime(0)->setText(QStringLiteral("10:07")); },
         {"202"},
         "ImiTime_0"},
        {"no end", [](Entry& f) { f.ImiTime(1)->setText(QString()); }, {"202"}, "ImiTime_1"},
        {"end before start", [](Entry& f) { setTimes(f, "10:30", "10:25"); }, {"204"}, "ImiTime_0"},
        {"outside the book's dates",
         [](Entry&) { gStrKarteDateTo = QStringLiteral("2024/06/02"); },
         {"205"},
         "ImdEntryDate"},
        {"blank comment",
         [](Entry& f) { f.DtxComment(0)->setPPoStrDString(QStringLiteral(" 　")); },
         {"206"},
         "DtxComment_0"},
        {"eleven items",
         [](Entry& f) {
             for (int r = 1; r <= 11; ++r)
                 clickCell(*f.SpdCleaning(), 1, r);
         },
         {"203"},
         "SpdCleaning"},
        {"too short, declined",
         [](Entry& f) {
             setTimes(f, "10:10", "10:25");
             msgbox::pushAnswer(msgbox::IDNO);
         },
         {"006"},
         "ImiTime_1"},
        {"overlapping visit",
         [this](Entry&) { addOtherVisit(QStringLiteral("2002"), QStringLiteral("0001")); },
         {"208"},
         "ImiTime_0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        msgbox::clearShown();
        run("DELETE FROM m_kh_record; DELETE FROM m_actual_instruction;");
        gStrKarteDateTo = QStringLiteral("2099/12/31");
        ASSERT_TRUE(openReady([&](Entry& f) {
            c.make(f);
            f.setFocus();
            EXPECT_FALSE(accept(f));
            EXPECT_EQ(messageNumbers(), c.messages);
            EXPECT_TRUE(focused(f, c.focus));
        }));
        EXPECT_FALSE(gKarteInfo.updated);
    }
    // Ten items are allowed.
    msgbox::clearShown();
    run("DELETE FROM m_kh_record; DELETE FROM m_actual_instruction;");
    ASSERT_TRUE(openReady([](Entry& f) {
        for (int r = 1; r <= 10; ++r)
            clickCell(*f.SpdCleaning(), 1, r);
        EXPECT_TRUE(accept(f));
    }));
    EXPECT_EQ(messageNumbers(), QStringList{"000"});
    EXPECT_EQ(gKarteInfo.visit.cleaning_imp.size(), 10);
}

TEST_F(EntryAccept, ShortInstructionsAreQuestionedWithTheirEndAndMinutes) {
    struct Case {
        const char *chk, *start, *end;
        QString added; // empty: no question
    };
    const Case cases[] = {
        {"20", "10:00", "10:00", QStringLiteral(" 10時 0分まで 0分間でよろしいですか？")},
        {"20", "09:00", "09:05", QStringLiteral(" 9時 5分まで 5分間でよろしいですか？")},
        {"20", "09:00", "09:20", QString()},
        {"0", "10:00", "10:05", QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start) + "-" + c.end + " chk " + c.chk);
        msgbox::clearShown();
        gStrEiseiChkMM = QString::fromLatin1(c.chk);
        ASSERT_TRUE(openReady([&](Entry& f) {
            setTimes(f, c.start, c.end);
            EXPECT_TRUE(accept(f));
        }));
        const QStringList expected = c.added.isEmpty() ? QStringList{"000"} : QStringList{"006", "000"};
        ASSERT_EQ(messageNumbers(), expected);
        if (!c.added.isEmpty()) {
            EXPECT_EQ(msgbox::shown().first().text,
                      QStringLiteral("指導時間を確認してください。\r\n") + c.added);
        }
        EXPECT_EQ(gKarteInfo.visit.inst_end_time, QString::fromLatin1(c.end));
    }
}

TEST_F(EntryAccept, AfterALongStayNowIsProposedAsTheEnd) {
    struct Case {
        const char* what;
        const char* step;
        const char* shown;    // the screen first active at
        const char* accepted; // accepted at
        int answer;
        QStringList messages;
        const char* end; // handed back; nullptr: the accept fails
    };
    const Case cases[] = {
        {"yes, the minute on the list", "1", "10:10:00", "10:31:00", msgbox::IDYES, {"006", "000"}, "10:31"},
        {"no keeps the end", "1", "10:10:00", "10:31:00", msgbox::IDNO, {"006", "000"}, "10:20"},
        // With a five-minute step the control cannot hold 10:31: never hand back an empty end.
        {"yes, the minute off the list", "5", "10:10:00", "10:31:00", msgbox::IDYES, {"006", "202"}, nullptr},
        {"not 900 seconds yet", "5", "10:10:00", "10:24:59", msgbox::IDYES, {"000"}, "10:20"},
        {"across midnight", "5", "23:50:00", "00:20:00", msgbox::IDYES, {"000"}, "10:20"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        msgbox::clearShown();
        gStrEiseiMM = QString::fromLatin1(c.step);
        setNow(QStringLiteral("2024/06/03 ") + QString::fromLatin1(c.shown));
        ASSERT_TRUE(openReady([&](Entry& f) {
            setTimes(f, "10:00", "10:20");
            setNow(QStringLiteral("2024/06/03 ") + QString::fromLatin1(c.accepted));
            msgbox::pushAnswer(c.answer);
            EXPECT_EQ(accept(f), c.end != nullptr);
            if (!c.end) {
                EXPECT_TRUE(focused(f, "ImiTime_1"));
            }
        }));
        EXPECT_EQ(messageNumbers(), c.messages);
        if (c.end) {
            EXPECT_EQ(gKarteInfo.visit.inst_end_time, QString::fromLatin1(c.end));
        } else {
            EXPECT_FALSE(gKarteInfo.updated);
        }
    }
}

TEST_F(EntryAccept, OnlyOverlappingVisitsOfOtherPatientsBySameStaffBlock) {
    addOtherVisit(QStringLiteral("2002"), QStringLiteral("0001"));
    addOtherVisit(QStringLiteral("2003"), QStringLiteral("0002"));       // another hygienist
    addOtherVisit(QStringLiteral("2004"), QStringLiteral("0001"), true); // deleted
    addOtherVisit(kPid, QStringLiteral("0001"));                         // this patient's own
    struct Case {
        const char *start, *end;
        bool blocked;
    };
    const Case cases[] = {{"10:15", "10:45", true},  {"09:45", "10:15", true},  {"10:00", "10:30", true},
                          {"09:30", "11:00", false}, {"10:30", "11:00", false}, {"09:30", "10:00", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.start) + "-" + c.end);
        msgbox::clearShown();
        ASSERT_TRUE(openReady([&](Entry& f) {
            setTimes(f, c.start, c.end);
            EXPECT_EQ(accept(f), !c.blocked);
        }));
        EXPECT_EQ(messageNumbers(), QStringList{c.blocked ? "208" : "000"});
    }
    // A read that fails stops the accept after its own message.
    msgbox::clearShown();
    run("DROP TABLE m_actual_instruction;");
    ASSERT_TRUE(openReady([](Entry& f) { EXPECT_FALSE(accept(f)); }));
    EXPECT_EQ(messageNumbers().last(), QStringLiteral("805"));
}

TEST_F(EntryAccept, AcceptedVisitIsHandedBackWhole) {
    InstructVisitData before =
        visitOf(QStringLiteral("2024/04/01"), QStringLiteral("10:00"), QStringLiteral("10:30"));
    handOver(QStringLiteral("1"), visitOf(QStringLiteral("2024/06/03")), {before, before});
    gStrParts33 = QStringLiteral("N") + QString(7, u'0') + QStringLiteral("a") + QString(24, u'0');
    ASSERT_TRUE(open([&](Entry& f) {
        f.ImdEntryDate()->setValue(QDate(2024, 6, 4));
        setTimes(f, "09:00", "09:30");
        // Upper right 1 (cell 0) with its face toward the midline: the cell's right side.
        QTest::mouseClick(f.PlaqueCheckCell(0), Qt::LeftButton, {}, QPoint(30, 17));
        clickCell(*f.SpdCleaning(), 1, 5);
        clickCell(*f.SpdCleaning(), 1, 2);
        f.DtxComment(0)->setPPoStrDString(kComment);
        f.DtxComment(1)->setPPoStrDString(QStringLiteral("次回 /{B要注意/}"));
        click(f, "CmdHistory_1");
        // A declined confirmation copies nothing and keeps the screen.
        msgbox::pushAnswer(msgbox::IDNO);
        EXPECT_FALSE(accept(f));
        EXPECT_EQ(gKarteInfo.visit.entry, QStringLiteral("2024/06/03"));
        EXPECT_EQ(f.record().visit.inst_point, QString());
        EXPECT_TRUE(accept(f));
    }));
    const InstructVisitData& v = gKarteInfo.visit;
    EXPECT_TRUE(gKarteInfo.updated);
    EXPECT_TRUE(gKarteInfo.changed);
    EXPECT_EQ(gKarteInfo.history_ubound, 0);
    EXPECT_EQ(v.entry, QStringLiteral("2024/06/04"));
    EXPECT_EQ(v.inst_start_time + v.inst_end_time, QStringLiteral("09:0009:30"));
    EXPECT_EQ(v.plaque[0], QStringLiteral("1000"));
    // Only upper right 1 is kept: every other cell is lost, its deciduous neighbour A too.
    EXPECT_EQ(v.plaque[1], QStringLiteral("M   "));
    EXPECT_EQ(v.plaque[32], QStringLiteral("M   "));
    EXPECT_EQ(v.cleaning_imp, (QStringList{"歯ブラシ（やわらかめ）", "デンタルフロス"}));
    EXPECT_EQ(v.inst_point, kComment);
    EXPECT_EQ(v.communicate_point, QStringLiteral("次回 /{B要注意/}"));
    EXPECT_EQ(gStrParts33, QStringLiteral("N") + QString(7, u'0') + QStringLiteral("a") + QString(24, u'0'));
}
