// The entry panel's logic: the change table, the worked button sequence, refusals, presets, clearing,
// the range button, input modes and the code.
#include <gtest/gtest.h>

#include "CodeBuilder.h"
#include "controls/toothchart/DentalPartModel.h"

using M = DentalPartModel;

TEST(DentalPartModel, ChangeTableCyclesAndRefusals) {
    struct Case {
        int op;
        const char* state;
        const char* result;
    } cases[] = {
        {0, "b", "g"},
        {0, "g", "h"},
        {0, "h", "b"},
        {0, "d", "j"},
        {0, "j", "k"},
        {0, "k", "d"},
        {1, "a", "h"},
        {1, "h", "g"},
        {1, "g", "a"},
        {3, "a", "k"},
        {3, "k", "j"},
        {3, "j", "a"},
        {3, "d", "m"},
        {3, "m", "0"},
        {2, "a", "n"},
        {2, "n", "a"},
        {2, "d", "q"},
        {2, "q", "d"},
        {2, "e", "r"},
        {2, "r", "e"},
        {2, "c", "n"},
        {2, "p", "a"},
        {4, "0", "e"},
        {4, "r", "0"},
        {2, "0", "-,隙のみで登録は出来ません。"},
        {4, "a", "-,既に永久歯が存在しています。"},
        {1, "d", "-,支台歯が既に存在しています。"},
        {0, "e", "-,便宜抜髄支台歯が既に存在しています。"},
        {1, "n", "-,隙と乳歯は並存不可です。"},
        {3, "e", "-,既に便宜抜髄支台歯が存在しています。"},
        {0, "f", "?"},
        {4, "s", "?"},
        {0, "t", "?"},
        {0, "A", "?"},
        {0, "", "?"},
        {5, "a", "?"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(M::changeResult(c.op, QString::fromUtf8(c.state)), QString::fromUtf8(c.result))
            << c.op << c.state;
}

TEST(DentalPartModel, WorkedButtonSequence) {
    M m;
    EXPECT_EQ(m.part33(), ToothPartCode::kEmpty);
    EXPECT_EQ(m.selectedMode(), M::PEnMode_Normal);
    EXPECT_TRUE(m.message().isEmpty());
    struct Step {
        int op, index;
        const char* code; // the code after the press, or nullptr to keep the last one
        const char* message;
    } steps[] = {
        {M::OpPermanent, 160, "N00a00000000000000000000000000000", ""},
        {M::OpPermanent, 103, "N00a0000000a000000000000000000000", ""},
        {M::OpDeciduous, 103, "N00a0000000h000000000000000000000", ""},
        {M::OpDeciduous, 103, "N00a0000000g000000000000000000000", ""},
        {M::OpDeciduous, 103, "N00a0000000a000000000000000000000", ""},
        {M::OpDeciduous, 240, "N00a0000000a000000000b00000000000", ""},
        {M::OpPermanent, 240, "N00a0000000a000000000g00000000000", ""},
        {M::OpPermanent, 240, "N00a0000000a000000000h00000000000", ""},
        {M::OpPermanent, 240, "N00a0000000a000000000b00000000000", ""},
        {M::OpGap, 110, "N00a0000000a000000000b00000000000", "隙のみで登録は出来ません。"},
        {M::OpPermanent, 110, "N00a0000a00a000000000b00000000000", ""},
        {M::OpGap, 110, "N00a0000n00a000000000b00000000000", ""},
        {M::OpAbutment, 101, "N00a0000nd0a000000000b00000000000", ""},
        {M::OpAbutment, 101, "N00a0000nm0a000000000b00000000000", ""},
        {M::OpElective, 101, "N00a0000nm0a000000000b00000000000", "既に支台歯が存在しています。"},
        {M::OpAbutment, 101, "N00a0000n00a000000000b00000000000", ""},
    };
    for (const Step& s : steps) {
        m.pressTooth(s.op, s.index);
        EXPECT_EQ(m.currentCode(), QString::fromUtf8(s.code)) << s.op << " " << s.index;
        EXPECT_EQ(m.part33(), QString::fromUtf8(s.code));
        EXPECT_EQ(m.message(), QString::fromUtf8(s.message)) << s.op << " " << s.index;
    }
    EXPECT_EQ(m.partControl().PPoStrUR(), QStringLiteral("6 1 "));
    EXPECT_EQ(m.partControl().PPoStrUC(), QStringLiteral("T "));
    EXPECT_EQ(m.partControl().PPoStrDR(), QStringLiteral("D "));
}

TEST(DentalPartModel, StatesWithoutARowAreRefusedAndKept) {
    struct Case {
        const char* name;
        QString code;
        int op, index;
    } cases[] = {
        {"reserved letter", makeCode('N', {{ToothPartCode::UpperRight, 6, 'l'}}), M::OpPermanent, 160},
        {"upper-case letter", makeCode('N', {{ToothPartCode::UpperLeft, 2, 'A'}}), M::OpDeciduous, 102},
        {"letter past s", makeCode('N', {{ToothPartCode::LowerLeft, 7, 'x'}}), M::OpAbutment, 207},
        {"digit other than 0", makeCode('N', {{ToothPartCode::LowerRight, 1, '5'}}), M::OpGap, 210},
        {"short code", QStringLiteral("N0000"), M::OpPermanent, 110},
    };
    for (const Case& c : cases) {
        M m;
        ASSERT_TRUE(m.setPart33(c.code));
        const QString before = m.part33();
        m.pressTooth(c.op, c.index);
        EXPECT_EQ(m.message(), M::kNotSupported) << c.name;
        EXPECT_EQ(m.part33(), before) << c.name;
    }
}

TEST(DentalPartModel, SettingTheCode) {
    M m;
    EXPECT_FALSE(m.setPart33(QString()));
    EXPECT_EQ(m.currentCode(), ToothPartCode::kEmpty);
    // The mode letter is stamped from the selected option; a short value gives short cells.
    ASSERT_TRUE(m.setPart33(QStringLiteral("Caaa")));
    EXPECT_EQ(m.currentCode(), QStringLiteral("Naaa"));
    EXPECT_EQ(m.cell(11), QStringLiteral("aaa"));
    EXPECT_EQ(m.cell(12), QString());
    EXPECT_EQ(m.part33(), QStringLiteral("Naaa00000") + QString(24, QChar('0')));
    // A preset over a short cell writes its teeth, padding the cell (a tooth button there is refused).
    m.setPart33(QStringLiteral("N"));
    m.pressPreset(10013);
    EXPECT_EQ(m.part33(), makeCode('N', {{ToothPartCode::UpperLeft, 1, 'a'},
                                         {ToothPartCode::UpperLeft, 2, 'a'},
                                         {ToothPartCode::UpperLeft, 3, 'a'}}));
}

TEST(DentalPartModel, InputModesAndTheBridgeRefusal) {
    M m;
    ASSERT_TRUE(m.setInputMode(M::PEnMode_Compress));
    m.setPart33(makeCode('N', {}, 'a'));
    EXPECT_TRUE(m.part33().startsWith(QChar('C')));
    EXPECT_EQ(m.groups().pg, (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(m.groups().b, (std::array<bool, 2>{false, false}));

    m.selectMode(M::PEnMode_Bridge);
    EXPECT_TRUE(m.part33().startsWith(QChar('N')));
    EXPECT_EQ(m.groups().b, (std::array<bool, 2>{true, true}));
    EXPECT_EQ(m.groups().milk, (std::array<bool, 2>{false, false}));
    // The getter answers the value last written, whatever option is selected since.
    EXPECT_EQ(m.inputMode(), M::PEnMode_Compress);

    // A code with bridge content refuses the normal and the compressed option.
    m.pressTooth(M::OpAbutment, 101); // upper left 1: a -> k
    m.selectMode(M::PEnMode_Normal);
    EXPECT_EQ(m.selectedMode(), M::PEnMode_Bridge);
    EXPECT_EQ(m.message(), M::kBridgeRefusal);

    // A mode outside 0..2 is refused before anything is stored.
    EXPECT_FALSE(m.setInputMode(3));
    EXPECT_FALSE(m.setInputMode(-1));
    EXPECT_EQ(m.inputMode(), M::PEnMode_Compress);
    EXPECT_EQ(m.selectedMode(), M::PEnMode_Bridge);
}

TEST(DentalPartModel, PresetsClearAndRangeButton) {
    M m;
    m.setInputMode(M::PEnMode_Compress);
    m.setPart33(makeCode('C', {{ToothPartCode::UpperRight, 5, 'b'}}));
    m.pressPreset(17400); // upper right 4 to 7, whatever they held
    EXPECT_EQ(m.part33(), makeCode('C', {{ToothPartCode::UpperRight, 7, 'a'},
                                         {ToothPartCode::UpperRight, 6, 'a'},
                                         {ToothPartCode::UpperRight, 5, 'a'},
                                         {ToothPartCode::UpperRight, 4, 'a'}}));
    m.pressPreset(88);
    EXPECT_EQ(m.part33(), makeCode('C', {}, 'a'));
    m.pressClear(12);
    EXPECT_EQ(ToothPartCode::blockOf(m.part33(), ToothPartCode::UpperLeft), QStringLiteral("00000000"));
    m.pressPreset(77);
    EXPECT_EQ(ToothPartCode::blockOf(m.part33(), ToothPartCode::UpperLeft), QStringLiteral("aaaaaaa0"));
    m.setMessage(QStringLiteral("x"));
    m.pressClear(0);
    EXPECT_EQ(m.part33(), makeCode('C', {}));
    EXPECT_TRUE(m.message().isEmpty());

    // The range button repeats the last tooth button and hides the other groups.
    EXPECT_EQ(m.pressRangeButton(), -1);
    m.pressTooth(M::OpDeciduous, 230);
    int op = -1;
    EXPECT_EQ(m.pressRangeButton(&op), 230);
    EXPECT_EQ(op, M::OpDeciduous);
    EXPECT_EQ(ToothPartCode::stateAt(m.part33(), ToothPartCode::LowerRight, 3), QChar('0')); // b, then 0
    EXPECT_EQ(m.groups().per, (std::array<bool, 2>{false, false}));
    EXPECT_EQ(m.groups().pg, (std::array<bool, 3>{false, false, false}));
    EXPECT_EQ(m.groups().milk, (std::array<bool, 2>{true, true}));
}

TEST(DentalPartModel, AreaWords) {
    int caret = 2;
    EXPECT_EQ(M::insertAreaWord(QStringLiteral("上顎"), caret, M::areaWord(1)), QStringLiteral("上顎右側"));
    EXPECT_EQ(caret, 4);
    caret = 0;
    EXPECT_EQ(M::insertAreaWord(QStringLiteral("部"), caret, M::areaWord(13)), QStringLiteral("上下顎部"));
    EXPECT_EQ(caret, 3);
    EXPECT_EQ(M::areaWord(21), QStringLiteral("歯肉"));
    EXPECT_EQ(M::areaWord(22), QString());
}
