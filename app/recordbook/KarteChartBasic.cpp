// The basic periodontal inspection chart: mobility and the first pocket site of every tooth.
#include "app/recordbook/KarteCharts.h"

#include "app/recordbook/KarteChartKit.h"
#include "app/recordcore/KarteGlobals.h"
#include "app/recordcore/KarteTrap.h"
#include "controls/dental/ImageCanvas.h"
#include "platform/text/Text.h"

using text::vbLeft;
using text::vbMid;
using text::vbTrim;

namespace MdlKarteMain {
namespace {

struct TitleCell {
    int left, top, height;
    const char* text;
};

constexpr TitleCell kTitles[] = {
    {7, 25, 13, "部位"},    {7, 37, 25, "動揺"},   {7, 61, 25, "ﾎﾟｹｯﾄ"},   {79, 85, 25, "動揺"},
    {79, 109, 25, "ﾎﾟｹｯﾄ"}, {79, 133, 13, "部位"}, {79, 145, 25, "ﾎﾟｹｯﾄ"}, {79, 169, 25, "動揺"},
    {7, 193, 25, "ﾎﾟｹｯﾄ"},  {7, 217, 25, "動揺"},  {7, 241, 13, "部位"},
};

constexpr int kWidth = 25;
constexpr int kHeight = 25;

bool startsWithM(const QString& v) {
    return vbLeft(v, 1) == QLatin1String("M");
}

// A pocket cell from its first site: bleeding flag, then the depth.
void pocketSite(ImageCanvas& cv, int left, int top, const QString& pocket) {
    const int back = vbLeft(pocket, 1) == QLatin1String("1") ? chart::kBleeding : chart::kWhite;
    chart::cell(cv, left, top, kWidth, kHeight, back, vbTrim(vbMid(pocket, 2, 3)));
}

void permanentMobility(ImageCanvas& cv, int left, int top, const QString& miller) {
    chart::cell(cv, left, top, kWidth, kHeight, startsWithM(miller) ? chart::kMissing : chart::kWhite,
                vbTrim(miller));
}

void permanentPocket(ImageCanvas& cv, int left, int top, const QString& pocket) {
    if (startsWithM(pocket))
        chart::cell(cv, left, top, kWidth, kHeight, chart::kMissing, vbTrim(vbLeft(pocket, 3)));
    else
        pocketSite(cv, left, top, pocket);
}

// A deciduous tooth marked missing is a blank cell when the patient has no deciduous teeth at all.
void deciduousMobility(ImageCanvas& cv, int left, int top, const QString& miller, bool noDeciduous) {
    if (miller != QLatin1String("M"))
        chart::cell(cv, left, top, kWidth, kHeight, chart::kWhite, vbTrim(vbLeft(miller, 3)));
    else if (noDeciduous)
        chart::cell(cv, left, top, kWidth, kHeight, chart::kWhite, QStringLiteral(" "));
    else
        chart::cell(cv, left, top, kWidth, kHeight, chart::kMissing, vbTrim(vbLeft(miller, 3)));
}

void deciduousPocket(ImageCanvas& cv, int left, int top, const QString& pocket, bool noDeciduous) {
    if (!startsWithM(pocket))
        pocketSite(cv, left, top, pocket);
    else if (noDeciduous)
        chart::cell(cv, left, top, kWidth, kHeight, chart::kWhite, QStringLiteral(" "));
    else
        chart::cell(cv, left, top, kWidth, kHeight, chart::kMissing, vbTrim(vbLeft(pocket, 3)));
}

} // namespace

QString FuStrNyusiChar(int n) {
    if (n < 1 || n > 5)
        return QString();
    return QString(QChar(u'A' + (n - 1)));
}

void PSuDrawKihonKensa(ImageCanvas& cv, SpreadGrid& grid, long detailIndex, const QString& delMark) {
    try {
        chart::prepareCanvas(cv, grid, 12);
        chart::freeText(cv, 160, 5, 150, 25, QStringLiteral("歯 周 基 本 検 査"), false);

        cv.setFontSize(9);
        for (const TitleCell& t : kTitles)
            chart::cell(cv, t.left, t.top, 40, t.height, chart::kLabel, QString::fromUtf8(t.text));

        cv.setFontSize(11);
        const KarteSisyuKensaData& d = sisyuKensaAt(detailIndex);
        for (int c = 0; c < 16; ++c) {
            const int left = 46 + 24 * c;
            const int i = c < 8 ? 7 - c : c;
            const QString number = QString::number(c < 8 ? 8 - c : c - 7);
            chart::cell(cv, left, 25, kWidth, 13, chart::kLabel, number);
            permanentMobility(cv, left, 37, d.miller[i]);
            permanentPocket(cv, left, 61, d.pocket[i]);
            permanentPocket(cv, left, 193, d.pocket[i + 16]);
            permanentMobility(cv, left, 217, d.miller[i + 16]);
            chart::cell(cv, left, 241, kWidth, 13, chart::kLabel, number);
        }

        bool noDeciduous = true;
        for (int j = 32; j < kToothCount && noDeciduous; ++j)
            noDeciduous = d.miller[j] == QLatin1String("M");

        for (int dcol = 0; dcol < 10; ++dcol) {
            const int left = 118 + 24 * dcol;
            const int j = dcol < 5 ? 36 - dcol : 32 + dcol;
            deciduousMobility(cv, left, 85, d.miller[j], noDeciduous);
            deciduousPocket(cv, left, 109, d.pocket[j], noDeciduous);
            chart::cell(cv, left, 133, kWidth, 13, chart::kLabel,
                        FuStrNyusiChar(dcol < 5 ? 5 - dcol : dcol - 4));
            deciduousPocket(cv, left, 145, d.pocket[j + 10], noDeciduous);
            deciduousMobility(cv, left, 169, d.miller[j + 10], noDeciduous);
        }

        chart::deleteCross(cv, delMark);
    } catch (const std::exception& e) {
        trapped(QStringLiteral("Err_PSuDrawKihonKensa"), QStringLiteral("900"), e, EnMsgDispIcon::W,
                QStringLiteral("PSuDrawKihonKensa()"));
    }
}

} // namespace MdlKarteMain
