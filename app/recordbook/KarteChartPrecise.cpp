// The precise periodontal inspection chart: plaque faces, mobility and six pocket sites of each of the
// 32 permanent teeth, with the plaque rate.
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

struct TitleRow {
    int top, height;
    bool boxed;
    const char* text;
};

// The row-title column: label cells, and the site names written over the two pocket blocks.
constexpr TitleRow kTitles[] = {
    {30, 25, true, "ﾌﾟﾗｰｸ"},       {54, 25, true, "動揺度"},      {78, 150, true, ""},
    {78, 25, false, "ﾎﾟｹｯﾄDB"},    {102, 25, false, "        B"}, {126, 25, false, "       MB"},
    {150, 25, false, "       ML"}, {174, 25, false, "        L"}, {198, 25, false, "       DL"},
    {222, 15, true, "部位"},       {236, 150, true, ""},          {236, 25, false, "ﾎﾟｹｯﾄDL"},
    {260, 25, false, "        L"}, {284, 25, false, "       ML"}, {308, 25, false, "       MB"},
    {332, 25, false, "        B"}, {356, 25, false, "       DB"}, {380, 25, true, "動揺度"},
    {404, 25, true, "ﾌﾟﾗｰｸ"},
};

constexpr int kWidth = 25;
constexpr int kHeight = 25;
// Pocket sites in the order of the stored text.
constexpr int kSites = 6;

void plaqueCell(ImageCanvas& cv, int left, int top, const QString& code, int quadrant, int& faces,
                int& missing) {
    if (vbLeft(code, 1) == QLatin1String("M")) {
        ++missing;
        chart::cell(cv, left, top, kWidth, kHeight, chart::kMissing, QStringLiteral("M"));
        return;
    }
    for (int k = 1; k <= 4; ++k)
        FuBolPlaqueSiteCount(vbMid(code, k, 1), faces);
    chart::plaqueFaces(cv, code, quadrant);
    cv.setPPoLngDrawLeft(left);
    cv.setPPoLngDrawTop(top);
    cv.setPPoLngDrawWidth(kWidth);
    cv.setPPoLngDrawHeight(kHeight);
    cv.PSuDrawPlaque();
}

void mobilityCell(ImageCanvas& cv, int left, int top, const QString& miller) {
    chart::cell(cv, left, top, kWidth, kHeight,
                miller == QLatin1String("M") ? chart::kMissing : chart::kWhite, vbTrim(miller));
}

// Six pocket cells from `top` downwards; sites in stored order, or reversed for the lower jaw.
void pocketCells(ImageCanvas& cv, int left, int top, const QString& pocket, bool reversed) {
    const bool missing = vbLeft(pocket, 1) == QLatin1String("M");
    for (int row = 0; row < kSites; ++row) {
        const int y = top + 24 * row;
        if (missing) {
            chart::cell(cv, left, y, kWidth, kHeight, chart::kMissing, QStringLiteral("M"));
            continue;
        }
        const int site = reversed ? kSites - 1 - row : row;
        const bool bleeding = vbMid(pocket, 4 * site + 1, 1) == QLatin1String("1");
        chart::cell(cv, left, y, kWidth, kHeight, bleeding ? chart::kBleeding : chart::kWhite,
                    vbTrim(vbMid(pocket, 4 * site + 2, 3)));
    }
}

} // namespace

bool FuBolPlaqueSiteCount(const QString& face, int& count) {
    if (face != QLatin1String("1"))
        return false;
    ++count;
    return true;
}

void SuDrawSeimituKensa(ImageCanvas& cv, SpreadGrid& grid, long detailIndex, const QString& delMark) {
    try {
        int faces = 0;
        int missing = 0;
        chart::prepareCanvas(cv, grid, 20);
        chart::freeText(cv, 155, 8, 140, 27, QStringLiteral("歯 周 精 密 検 査"), false);

        cv.setFontSize(9);
        for (const TitleRow& t : kTitles) {
            const QString label = QString::fromUtf8(t.text);
            if (t.boxed)
                chart::cell(cv, 1, t.top, 55, t.height, chart::kLabel, label);
            else
                chart::freeText(cv, 1, t.top, 55, t.height, label, true);
        }

        const KarteSisyuKensaData& d = sisyuKensaAt(detailIndex);
        for (int c = 0; c < 16; ++c) {
            const int left = 55 + 24 * c;
            const int i = c < 8 ? 7 - c : c;
            const int upper = c < 8 ? 0 : 1;
            plaqueCell(cv, left, 30, d.plaque[i], upper, faces, missing);
            mobilityCell(cv, left, 54, d.miller[i]);
            pocketCells(cv, left, 78, d.pocket[i], false);
            chart::cell(cv, left, 222, kWidth, 15, chart::kLabel, QString::number(c < 8 ? 8 - c : c - 7));
            pocketCells(cv, left, 236, d.pocket[i + 16], true);
            mobilityCell(cv, left, 380, d.miller[i + 16]);
            plaqueCell(cv, left, 404, d.plaque[i + 16], upper + 2, faces, missing);
        }

        cv.setFontSize(10);
        chart::freeText(cv, 290, 3, 140, 27, chart::rateCaption(faces, missing, 32), true);
        chart::deleteCross(cv, delMark);
    } catch (const std::exception& e) {
        stepFailed(QStringLiteral("SuDrawSeimituKensa"), QStringLiteral("900"), e);
    }
}

} // namespace MdlKarteMain
