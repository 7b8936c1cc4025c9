// A save killed in the middle (the process gone at once, as by a power cut) leaves the database
// consistent: the whole save or nothing of it, and the book still loads.
#include <QFile>
#include <QThread>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "app/recordcore/KarteLineEdit.h"
#include "app/recordcore/KarteSave.h"
#include "support/RecordBookFixture.h"

using namespace MdlKarteMain;

class KarteKill : public RecordBookFixture {};

TEST_F(KarteKill, KilledSaveLeavesTheWholeSaveOrNothing) {
    addStoredBook();
    ASSERT_TRUE(load());
    const int storedLines = static_cast<int>(dump(QStringLiteral("m_kh_record")).size());
    constexpr int kNewLines = 2000;
    const QuadMasks masks = [](const QString&) { return std::array<QString, 4>{}; };
    long prev = 6;
    for (int i = 0; i < kNewLines; ++i) {
        gKarteInfo.visit = InstructVisitData();
        gKarteInfo.visit.entry = QStringLiteral("2024/07/%1").arg(1 + i % 28, 2, 10, QLatin1Char('0'));
        gKarteInfo.visit.plaque.fill(QStringLiteral("1010"));
        gKarteInfo.visit.cleaning_imp = {QStringLiteral("舌ブラシ"), QStringLiteral("デンタルフロス")};
        gStrParts33 = QStringLiteral("Caaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa");
        gLngPrevRec = prev;
        gLngNextRec = 0;
        PSuKarteLineAdd(QStringLiteral("1"), QString());
        PSuKarteLineDataSet(QStringLiteral("1"), masks);
        prev = gLngCurRec;
    }
    const QString journal = dbPath() + QStringLiteral("-journal");
    ASSERT_FALSE(QFile::exists(journal));

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool saved = PFuBolKarteUpdate();
        _exit(saved ? 0 : 1);
    }
    // Wait until the save is writing (its journal is there), then kill it.
    bool writing = false;
    for (int i = 0; i < 2000 && !writing; ++i) {
        writing = QFile::exists(journal);
        if (!writing)
            QThread::usleep(500);
    }
    QThread::msleep(30);
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(writing);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the save ended before it was killed";

    // The next connection rolls the interrupted transaction back.
    auto con = open();
    auto check = con->openRecordset(QStringLiteral("PRAGMA integrity_check"));
    EXPECT_EQ(check->field(0).toString(), QStringLiteral("ok"));
    con->close();
    const int lines = static_cast<int>(dump(QStringLiteral("m_kh_record")).size());
    const int instructions = static_cast<int>(dump(QStringLiteral("m_actual_instruction")).size());
    const int implements = static_cast<int>(dump(QStringLiteral("m_selection_imp")).size());
    const bool nothing = lines == storedLines;
    EXPECT_TRUE(nothing || lines == storedLines + kNewLines) << lines;
    EXPECT_EQ(instructions, 3 + (nothing ? 0 : kNewLines));
    EXPECT_EQ(implements, 2 + (nothing ? 0 : 2 * kNewLines));
    ASSERT_TRUE(load()) << lastBox().toStdString();
    EXPECT_EQ(chainRecs().size(), size_t(5 + (nothing ? 0 : kNewLines)));
}
