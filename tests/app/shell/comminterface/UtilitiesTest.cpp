// Busy pointer, captions, centring, folders, values and ages.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include "ServicesFixture.h"
#include "app/shell/MdlCommInterface.h"
#include "platform/ado/Ado.h"
#include "platform/error/VbError.h"
#include "platform/msgbox/MsgBox.h"
#include "support/TestSupport.h"

using namespace MdlCommInterface;

namespace {

int overrideDepth() {
    int n = 0;
    while (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
        ++n;
    }
    return n;
}

} // namespace

TEST(MousePointer, BusyTwiceThenIdleLeavesNoOverrideAndTheFormEnabled) {
    QWidget form;
    PSuMousePointer(11, &form);
    PSuMousePointer(11, &form);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_FALSE(form.isEnabled());
    PSuMousePointer(0, &form);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(form.isEnabled());
}

TEST(MousePointer, KeepsAtMostOneOverrideWhateverWasStackedBefore) {
    QApplication::setOverrideCursor(Qt::CrossCursor);
    QApplication::setOverrideCursor(Qt::IBeamCursor);
    PSuMousePointer(11, nullptr);
    PSuMousePointer(11, nullptr);
    EXPECT_EQ(overrideDepth(), 1);
    PSuMousePointer(0, nullptr); // no form: only the pointer changes
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(FormCaption, TitleOrFormNameLessPrefixBeforeTheCurrentCaption) {
    QWidget form;
    form.setObjectName(QStringLiteral("FrmMKarteS_005"));
    form.setWindowTitle(QStringLiteral("C"));
    PSuFormCaption(&form, QString());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("MKarteS_005－C"));
    EXPECT_EQ(form.windowTitle().at(11).unicode(), 0xFF0D);

    QWidget other;
    other.setObjectName(QStringLiteral("FrmMKarte01_002"));
    other.setWindowTitle(QStringLiteral("C"));
    PSuFormCaption(&other, QStringLiteral("T"));
    EXPECT_EQ(other.windowTitle(), QStringLiteral("T－C"));
}

TEST(FormCenter, CentresInTheAvailableAreaAndPutsALargerWindowAtItsTopLeft) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize larger = area.size() + QSize(200, 300);
    const struct {
        const char* what;
        QSize size;
        QSize layoutMinimum; // empty: controls at fixed places, no layout
        QSize expectedSize;
        QPoint expectedPos;
    } cases[] = {
        {"smaller",
         QSize(300, 200),
         {},
         QSize(300, 200),
         area.topLeft() + QPoint((area.width() - 300) / 2, (area.height() - 200) / 2)},
        {"wider only",
         QSize(larger.width(), 200),
         {},
         QSize(larger.width(), 200),
         area.topLeft() + QPoint(0, (area.height() - 200) / 2)},
        {"larger, fixed", larger, {}, larger, area.topLeft()},
        {"larger, laid out", larger, QSize(300, 200), area.size(), area.topLeft()},
        {"larger, laid out, wide minimum", larger, QSize(larger.width() - 50, 200),
         QSize(larger.width() - 50, area.height()), area.topLeft()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget form;
        if (c.layoutMinimum.isValid()) {
            auto* layout = new QVBoxLayout(&form);
            layout->setContentsMargins(0, 0, 0, 0);
            auto* body = new QWidget;
            body->setMinimumSize(c.layoutMinimum);
            layout->addWidget(body);
        }
        form.resize(c.size);
        PSuFormCenter(&form);
        EXPECT_EQ(form.size(), c.expectedSize);
        EXPECT_EQ(form.frameGeometry().topLeft(), c.expectedPos);
    }
}

TEST(FileExist, OnlyExactlyThatRegularVisibleFile) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.txt"));
    ASSERT_TRUE(testsupport::writeBytes(file, "x"));
    ASSERT_TRUE(testsupport::writeBytes(dir.filePath(QStringLiteral(".hidden")), "x"));
    EXPECT_TRUE(PFuBolFileExist(file));
    EXPECT_TRUE(PFuBolFileExist(QString(file).replace(u'/', u'\\')));
    EXPECT_FALSE(PFuBolFileExist(dir.path()));
    EXPECT_FALSE(PFuBolFileExist(dir.filePath(QStringLiteral(".hidden"))));
    EXPECT_FALSE(PFuBolFileExist(dir.filePath(QStringLiteral("*.txt"))));
    EXPECT_FALSE(PFuBolFileExist(dir.filePath(QStringLiteral("b.txt"))));
    EXPECT_FALSE(PFuBolFileExist(QString()));
}

TEST(Values, IsEmptyTrimsBlanksOnly) {
    EXPECT_TRUE(PFuBolIsEmpty(QVariant()));
    EXPECT_TRUE(PFuBolIsEmpty(QVariant(QString())));
    EXPECT_TRUE(PFuBolIsEmpty(QVariant(QStringLiteral(""))));
    EXPECT_TRUE(PFuBolIsEmpty(QVariant(QStringLiteral("   "))));
    EXPECT_TRUE(PFuBolIsEmpty(QVariant(QStringLiteral(" \u3000 "))));
    EXPECT_FALSE(PFuBolIsEmpty(QVariant(QStringLiteral("0"))));
    EXPECT_FALSE(PFuBolIsEmpty(QVariant(0)));
    EXPECT_FALSE(PFuBolIsEmpty(QVariant(QStringLiteral("\t"))));
    EXPECT_FALSE(PFuBolIsEmpty(QVariant(QStringLiteral("\r\n"))));

    EXPECT_TRUE(PFuBolIsEmpty(ado::Field(QStringLiteral("c"), QVariant())));
    EXPECT_TRUE(PFuBolIsEmpty(ado::Field(QStringLiteral("c"), QStringLiteral("  "))));
    EXPECT_FALSE(PFuBolIsEmpty(ado::Field(QStringLiteral("c"), QStringLiteral("0"))));
}

TEST(Values, NullToStrGivesTheTextFormOrEmpty) {
    EXPECT_EQ(PFuStrNullToStr(QVariant()), QString());
    EXPECT_EQ(PFuStrNullToStr(QVariant(QStringLiteral(" a "))), QStringLiteral(" a "));
    EXPECT_EQ(PFuStrNullToStr(QVariant(12)), QStringLiteral("12"));
    EXPECT_EQ(PFuStrNullToStr(QVariant(true)), QStringLiteral("True"));
    EXPECT_EQ(PFuStrNullToStr(QVariant(0.1 + 0.2)), QStringLiteral("0.3"));
    EXPECT_EQ(PFuStrNullToStr(QVariant(2.5)), QStringLiteral("2.5"));
    EXPECT_EQ(PFuStrNullToStr(QVariant(QDate(2003, 4, 1))), QStringLiteral("2003/04/01"));
    EXPECT_EQ(PFuStrNullToStr(ado::Field(QStringLiteral("c"), QVariant())), QString());
    EXPECT_EQ(PFuStrNullToStr(ado::Field(QStringLiteral("c"), QStringLiteral("x"))), QStringLiteral("x"));
    // A value without a text form is the caller's error.
    EXPECT_THROW(PFuStrNullToStr(QVariant::fromValue(QPoint(1, 2))), VbError);
}

TEST(PathJoin, OneSeparatorWhicheverTheFolderEndsWith) {
    EXPECT_EQ(PFuStrPathJoin(QStringLiteral("/data"), QStringLiteral("temp")), QStringLiteral("/data/temp"));
    EXPECT_EQ(PFuStrPathJoin(QStringLiteral("/data/"), QStringLiteral("temp")), QStringLiteral("/data/temp"));
    EXPECT_EQ(PFuStrPathJoin(QStringLiteral("C:\\data\\"), QStringLiteral("temp")),
              QStringLiteral("C:\\data\\temp"));
    EXPECT_EQ(PFuStrPathJoin(QStringLiteral("C:\\data"), QStringLiteral("temp")),
              QStringLiteral("C:\\data/temp"));
}

TEST(EraKeyCheck, SetsTheFlagOnlyForKeysThatEditTheDate) {
    struct Case {
        int position, keyAscii, keyCode;
        bool sets;
    };
    const Case cases[] = {
        {0, 'h', -9999, true},  {1, 'H', -9999, true}, {0, 'm', -9999, true}, {0, 'T', -9999, true},
        {1, 's', -9999, true},  {0, 'r', -9999, true}, {1, 'R', -9999, true}, {0, '5', -9999, false},
        {0, 'x', -9999, false}, {3, '5', -9999, true}, {3, '0', -9999, true}, {3, 'x', -9999, false},
        {3, 'h', -9999, false}, {2, '9', -9999, true}, {0, 0, 40, true},      {0, 0, 38, true},
        {5, 0, 48, true},       {5, 0, 51, true},      {5, 0, 52, false},     {5, 0, 96, true},
        {5, 0, 99, true},       {5, 0, 100, false},    {5, 0, 37, false},     {5, 0, 39, false},
    };
    for (const Case& c : cases) {
        bool changed = false;
        EXPECT_FALSE(PFuBolEraKeyCheck(changed, c.position, c.keyAscii, c.keyCode));
        EXPECT_EQ(changed, c.sets) << "position " << c.position << " char " << c.keyAscii << " code "
                                   << c.keyCode;
        // A flag already set stays set, whatever the key.
        bool dirty = true;
        PFuBolEraKeyCheck(dirty, c.position, c.keyAscii, c.keyCode);
        EXPECT_TRUE(dirty);
    }
}

class MkDirTest : public ServicesFixture {};

TEST_F(MkDirTest, CreatesEveryMissingLevelAndIsRepeatable) {
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("a"))));
    const QString target = path(QStringLiteral("a/b/c"));
    EXPECT_TRUE(PFuBolMkDir(target));
    EXPECT_TRUE(QFileInfo(target).isDir());
    EXPECT_TRUE(PFuBolMkDir(target));
    EXPECT_TRUE(PFuBolMkDir(target + QStringLiteral("/")));
    EXPECT_TRUE(msgbox::shown().isEmpty());
    EXPECT_TRUE(logLines().isEmpty());
}

TEST_F(MkDirTest, TakesBackslashesAndDoubledSeparatorsAsOneSeparator) {
    const QString target =
        QString(path(QStringLiteral("x"))).replace(u'/', u'\\') + QStringLiteral("\\\\y\\z\\");
    EXPECT_TRUE(PFuBolMkDir(target));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("x/y/z"))).isDir());
    // A doubled leading separator is still the root (there are no network paths here).
    EXPECT_TRUE(PFuBolMkDir(QStringLiteral("/") + path(QStringLiteral("w/v"))));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("w/v"))).isDir());
    for (const QString& name : QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        EXPECT_FALSE(name.contains(u'\\')) << name.toStdString();
}

TEST_F(MkDirTest, ALevelBlockedByAFileGivesMessage812AndTwoLogLines) {
    ASSERT_TRUE(testsupport::writeBytes(path(QStringLiteral("f")), "x"));
    EXPECT_FALSE(PFuBolMkDir(path(QStringLiteral("f/g"))));
    EXPECT_FALSE(QFileInfo(path(QStringLiteral("f/g"))).exists());

    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0],
              LogLine(QStringLiteral("PFuBolMkDir"), QStringLiteral("ディレクトリの作成に失敗しました。")));
    EXPECT_EQ(lines[1].first, QStringLiteral("PFuBolMkDir"));
    // The runtime's own words for the staff, then the folder and the system's reason.
    EXPECT_TRUE(lines[1].second.startsWith(QStringLiteral("パス/ファイル アクセス エラーです。 (") +
                                           path(QStringLiteral("f/"))))
        << lines[1].second.toStdString();

    const auto boxes = msgbox::shown();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text, messageText(QStringLiteral("812")) + QStringLiteral("\r\n") + lines[1].second);
    EXPECT_EQ(boxes[0].style, int(msgbox::MB_OK) | int(msgbox::MB_ICONSTOP));
}

class AgeTest : public ServicesFixture {};

TEST_F(AgeTest, TheBirthdayItselfCounts) {
    EXPECT_EQ(PFuLngGetAge(QStringLiteral("1970/05/12"), QStringLiteral("20030511")), 32);
    EXPECT_EQ(PFuLngGetAge(QStringLiteral("1970/05/12"), QStringLiteral("20030512")), 33);
    EXPECT_EQ(PFuLngGetAge(QStringLiteral("1970/5/12"), QStringLiteral("20030512")), 33);
    EXPECT_EQ(PFuLngGetAge(QStringLiteral("昭和45年05月12日"), QStringLiteral("20030512")), 33);
    EXPECT_EQ(PFuLngGetAge(QStringLiteral("2003/05/12"), QStringLiteral("20030512")), 0);
    // A base before the birth truncates toward zero.
    EXPECT_EQ(PFuLngGetAge(QStringLiteral("2003/05/12"), QStringLiteral("20020513")), 0);
    EXPECT_TRUE(msgbox::shown().isEmpty());
}

TEST_F(AgeTest, BaseZeroMeansToday) {
    const QDate today = QDate::currentDate();
    const QString tenYearsAgo = today.addYears(-10).toString(QStringLiteral("yyyy/MM/dd"));
    const QString tomorrowTenYearsAgo = today.addYears(-10).addDays(1).toString(QStringLiteral("yyyy/MM/dd"));
    EXPECT_EQ(PFuLngGetAge(tenYearsAgo, QStringLiteral("0")), 10);
    EXPECT_EQ(PFuLngGetAge(tomorrowTenYearsAgo, QStringLiteral("0")), 9);
}

TEST_F(AgeTest, ABirthThatIsNotADateGivesMessage814AndMinusOne) {
    EXPECT_EQ(PFuLngGetAge(QStringLiteral("abc"), QStringLiteral("0")), -1);
    const auto lines = logLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0],
              LogLine(QStringLiteral("PFuLngGetAge"), QStringLiteral("現在年齢の取得に失敗しました。")));
    EXPECT_EQ(lines[1], LogLine(QStringLiteral("PFuLngGetAge"), QStringLiteral("型が一致しません。")));
    const auto boxes = msgbox::shown();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text, messageText(QStringLiteral("814")) + QStringLiteral("\r\n") + lines[1].second);
}

TEST_F(AgeTest, ABaseThatIsNotYyyymmddFails) {
    EXPECT_EQ(PFuLngGetAge(QStringLiteral("1970/05/12"), QStringLiteral("2003/05/12")), -1);
    EXPECT_EQ(PFuLngGetAge(QStringLiteral("1970/05/12"), QString()), -1);
    EXPECT_EQ(msgbox::shown().size(), 2);
    EXPECT_EQ(logLines().size(), 4);
}
