// The comment picker: its two queries, composing a comment from the demo masters, accept and back,
// the kinds' edge cases and the reads that fail.
#include <QFile>

#include "EntryFixture.h"
#include "app/entry/CommentMaster.h"
#include "app/entry/FrmMKarte03_004.h"
#include "app/entry/FrmMKarteS_001.h"
#include "app/entry/FrmMKarteS_008.h"
#include "app/entry/MdlSubScreen.h"
#include "controls/toothchart/DText.h"

namespace {

using Picker = FrmMKarte03_004;

const QStringList kDemoKinds = {"ブラッシング", "歯間清掃", "食生活", "生活習慣", "次回予定"};
const QString kStartFailure = QStringLiteral("画面の表示に失敗しました。");

class CommentPicker : public EntryFixture {
protected:
    // Runs the opener; act works on the shown picker (left shown, the seam closes it by its frame).
    bool pick(const std::function<void(Picker&)>& act, QString& comment, bool& update) {
        onScreen<Picker>([act](Picker& p) {
            EXPECT_EQ(p.loadState(), forms::LoadState::Ready);
            act(p);
        });
        const bool result = MdlSubScreen::PFuBolCommentSelect(comment, update);
        EXPECT_EQ(Picker::loaded(), nullptr);
        return result;
    }
    // The masters of these tests: two kinds of one name, a kind without comments, a quote in a code,
    // and rows of the other user class that must never show.
    void addMasters() {
        run("INSERT INTO m_comment_kind_m VALUES ('2', '01', '清掃');"
            "INSERT INTO m_comment_kind_m VALUES ('2', '02', '空');"
            "INSERT INTO m_comment_kind_m VALUES ('2', '03', '清掃');"
            "INSERT INTO m_comment_kind_m VALUES ('2', '04''', '引用');"
            "INSERT INTO m_comment_kind_m VALUES ('1', '00', '他職種');"
            "INSERT INTO m_comment_m VALUES ('2', '01', '002', '二番目');"
            "INSERT INTO m_comment_m VALUES ('2', '01', '001', '一番目');"
            "INSERT INTO m_comment_m VALUES ('2', '03', '001', '三の一');"
            "INSERT INTO m_comment_m VALUES ('2', '04''', '001', NULL);"
            "INSERT INTO m_comment_m VALUES ('2', '04''', '002', '引用の二');"
            "INSERT INTO m_comment_m VALUES ('1', '02', '001', '他職種の文');");
    }
};

} // namespace

TEST(CommentMaster, QueriesAsTheMastersAreRead) {
    using namespace commentmaster;
    EXPECT_EQ(commentKindSql(),
              QStringLiteral(" SELECT comment_kind_code, commnet_kind_name FROM m_comment_kind_m "
                             "WHERE user_class = '2' ORDER BY comment_kind_code"));
    EXPECT_EQ(
        commentSql(QStringLiteral("05")),
        QStringLiteral("SELECT comment_kind_code, comment_code, comment FROM m_comment_m WHERE user_class = "
                       "'2' AND comment_kind_code = '05' ORDER BY comment_code"));
    EXPECT_TRUE(commentSql(QStringLiteral("0'5")).contains(QStringLiteral("comment_kind_code = '0''5' ")));
}

TEST_F(CommentPicker, ComposesACommentFromTheDemoMasters) {
    useDemoDatabase();
    QString title;
    QStringList kinds, firstComments, secondComments;
    int selectedAtOpening = -1;
    // Nested screens answer in turn: the small-text input opened from the picker.
    onScreen<Picker>([&](Picker& p) {
        title = p.windowTitle();
        kinds = column1(*p.SpdClass());
        firstComments = column1(*p.SpdContents());
        selectedAtOpening = p.SpdContents()->selModeIndex();
        clickCell(*p.SpdClass(), 1, 2);
        secondComments = column1(*p.SpdContents());
        EXPECT_EQ(p.SpdContents()->selModeIndex(), 1);
        p.DtxComment()->setPPoStrDString(QStringLiteral("typed before"));
        clickCell(*p.SpdContents(), 1, 2); // replaces what was there
        EXPECT_EQ(p.DtxComment()->PPoStrDString(),
                  QStringLiteral("歯間ブラシのサイズを確認し、挿入方向を指導した。"));
        click(p, "CmdBottomChar");
        click(p, "CmdFNC");
    });
    onScreen<FrmMKarteS_008>([](FrmMKarteS_008& s) {
        s.setPPoStrInputString(QStringLiteral(" 右下 "));
        click(s, "CmdFNC_0");
    });
    QString comment;
    bool update = false;
    ASSERT_TRUE(MdlSubScreen::PFuBolCommentSelect(comment, update));
    EXPECT_EQ(title, QStringLiteral("MKarte03_004－コメント選択"));
    EXPECT_EQ(kinds, kDemoKinds); // the hygienists' kinds only, in code order
    EXPECT_EQ(firstComments, (QStringList{"毛先を歯頸部に当て、小刻みに動かすよう指導した。",
                                          "力を入れすぎないよう、ペングリップでの把持を指導した。",
                                          "最後臼歯の遠心面の磨き残しについて説明した。",
                                          "就寝前のブラッシングを丁寧に行うよう指導した。"}));
    EXPECT_EQ(selectedAtOpening, 0);
    EXPECT_EQ(secondComments, (QStringList{"デンタルフロスの使い方を実習した。",
                                           "歯間ブラシのサイズを確認し、挿入方向を指導した。",
                                           "歯間部の出血は清掃を続けると改善することを説明した。"}));
    EXPECT_EQ(comment, QStringLiteral("/{B右下/}歯間ブラシのサイズを確認し、挿入方向を指導した。"));
    EXPECT_TRUE(update);
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(modal::shown(), (QStringList{"FrmMKarte03_004", "FrmMKarteS_008"}));
}

TEST_F(CommentPicker, AcceptNeedsTextAndBackAsksBeforeDroppingIt) {
    useDemoDatabase();
    const QString needText =
        box(QStringLiteral("コメントを入力してください。"), msgbox::MB_OK, msgbox::MB_ICONEXCLAMATION);
    const QString dropText = box(QStringLiteral("入力内容を破棄して閉じます。\r\nよろしいですか？"),
                                 msgbox::MB_YESNO, msgbox::MB_ICONQUESTION);
    struct Case {
        const char* what;
        std::function<void(Picker&)> act;
        QStringList boxes;
        QString comment;
        bool update;
    } cases[] = {
        {"accept with no text stays, back with none leaves at once",
         [](Picker& p) {
             click(p, "CmdFNC");
             EXPECT_TRUE(p.isVisible());
             EXPECT_TRUE(p.isEnabled()); // the busy pointer gave the screen back
             click(p, "CmdCancel");
             EXPECT_FALSE(p.isVisible());
         },
         {needText},
         "",
         false},
        {"back with text: No keeps it, Yes drops it",
         [](Picker& p) {
             clickCell(*p.SpdContents(), 1, 1);
             msgbox::pushAnswer(msgbox::IDNO);
             click(p, "CmdCancel");
             EXPECT_TRUE(p.isVisible());
             EXPECT_FALSE(p.DtxComment()->PPoStrDString().isEmpty());
             msgbox::pushAnswer(msgbox::IDYES);
             click(p, "CmdCancel");
             EXPECT_FALSE(p.isVisible());
         },
         {dropText, dropText},
         "",
         false},
        // A tooth part sets the update flag, even when its screen went back; closing the picker by
        // its frame then hands nothing back.
        {"tooth part, then the frame",
         [](Picker& p) {
             onScreen<FrmMKarteS_001>([](FrmMKarteS_001& s) { click(s, "CmdFNC_1"); });
             click(p, "CmdPart");
             EXPECT_TRUE(p.PPoBolUpdate());
         },
         {},
         "",
         false},
        {"tooth part accepted",
         [](Picker& p) {
             onScreen<FrmMKarteS_001>([](FrmMKarteS_001& s) {
                 EXPECT_EQ(s.PPoInputMode(), 1);
                 EXPECT_TRUE(s.PPoBolFixInputMode());
                 click(s, "CmdFNC_0");
             });
             click(p, "CmdPart");
             click(p, "CmdFNC");
         },
         {},
         QStringLiteral("/{DC") + QString(32, u'0') + QStringLiteral("/}"),
         true},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        msgbox::clearShown();
        QString comment = QStringLiteral("old");
        bool update = true;
        EXPECT_TRUE(pick(c.act, comment, update));
        EXPECT_EQ(boxes(), c.boxes);
        EXPECT_EQ(comment, c.comment);
        EXPECT_EQ(update, c.update);
    }
}

TEST_F(CommentPicker, KindsAreFoundByNameAndReadOnceUnlessEmpty) {
    addMasters();
    QString comment;
    bool update = false;
    EXPECT_TRUE(pick(
        [&](Picker& p) {
            SpreadGrid& kinds = *p.SpdClass();
            SpreadGrid& list = *p.SpdContents();
            EXPECT_EQ(column1(kinds), (QStringList{"清掃", "空", "清掃", "引用"}));
            EXPECT_EQ(column1(list), (QStringList{"一番目", "二番目"}));

            // A kind without comments: one empty row, which empties the text; asked again next time.
            p.DtxComment()->setPPoStrDString(QStringLiteral("x"));
            clickCell(kinds, 1, 2);
            EXPECT_EQ(column1(list), QStringList{QString()});
            clickCell(list, 1, 1);
            EXPECT_EQ(p.DtxComment()->PPoStrDString(), QString());
            run("INSERT INTO m_comment_m VALUES ('2', '02', '001', '後から');"
                "INSERT INTO m_comment_m VALUES ('2', '01', '003', '後から');");
            clickCell(kinds, 1, 2);
            EXPECT_EQ(column1(list), QStringList{"後から"});
            // A kind read once is kept.
            clickCell(kinds, 1, 1);
            EXPECT_EQ(column1(list), (QStringList{"一番目", "二番目"}));
            // The second kind of the same name shows the first one's comments.
            clickCell(kinds, 1, 3);
            EXPECT_EQ(column1(list), (QStringList{"一番目", "二番目"}));
            // A quote in the code; a Null comment reads as empty.
            clickCell(kinds, 1, 4);
            EXPECT_EQ(column1(list), (QStringList{"", "引用の二"}));

            // Arrow keys in the kinds list show the kind at the new row and take its first comment.
            kinds.setActiveCell(1, 1);
            kinds.view()->setFocus();
            QTest::keyClick(kinds.view(), Qt::Key_Down);
            EXPECT_EQ(kinds.activeRow(), 2);
            EXPECT_EQ(column1(list), QStringList{"後から"});
            EXPECT_EQ(p.DtxComment()->PPoStrDString(), QStringLiteral("後から"));
            // In the comments list the key takes the comment of the new row.
            clickCell(kinds, 1, 1);
            list.view()->setFocus();
            QTest::keyClick(list.view(), Qt::Key_Down);
            EXPECT_EQ(p.DtxComment()->PPoStrDString(), QStringLiteral("二番目"));
            click(p, "CmdFNC");
        },
        comment, update));
    EXPECT_EQ(comment, QStringLiteral("二番目"));
    EXPECT_TRUE(update);
}

TEST_F(CommentPicker, AFailedReadKeepsThePickerClosed) {
    struct Case {
        const char* what;
        const char* script;    // run on the test database; "remove" deletes the file
        QStringList workBoxes; // the picker's own boxes (the data layer's come before them)
        int dataBoxes;
        const char* log;
    } cases[] = {
        // One database for the whole table: each case breaks it a little further.
        {"no kind", "", {kStartFailure}, 0, ""},
        {"comments table gone",
         "INSERT INTO m_comment_kind_m VALUES ('2', '01', '清掃'); DROP TABLE m_comment_m;",
         {QStringLiteral("コメントの取得に失敗しました。"), kStartFailure},
         1,
         ""},
        {"kinds table gone",
         "DROP TABLE m_comment_kind_m;",
         {QStringLiteral("コメント種別の取得に失敗しました。"), kStartFailure},
         1,
         "ＳＱＬの実行に失敗"},
        {"no database", "remove", {kStartFailure}, 1, "コネクション確立に失敗"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (QString::fromLatin1(c.script) == QLatin1String("remove"))
            QFile::remove(dbPath());
        else if (*c.script)
            run(c.script);
        msgbox::clearShown();
        QString comment = QStringLiteral("keep");
        bool update = true;
        EXPECT_FALSE(MdlSubScreen::PFuBolCommentSelect(comment, update));
        EXPECT_EQ(comment, QStringLiteral("keep"));
        EXPECT_TRUE(update);
        EXPECT_TRUE(modal::shown().isEmpty());
        const QList<msgbox::Shown> all = msgbox::shown();
        ASSERT_EQ(all.size(), c.dataBoxes + c.workBoxes.size());
        QStringList own;
        for (int i = c.dataBoxes; i < all.size(); ++i)
            own << all[i].text;
        EXPECT_EQ(own, c.workBoxes);
        if (*c.log) {
            EXPECT_TRUE(logText().contains(QString::fromUtf8(c.log))) << logText().toStdString();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
