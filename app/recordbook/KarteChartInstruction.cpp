// The plaque chart of a practical instruction: the four faces of all 52 teeth, with the plaque rate.
#include "app/recordbook/KarteCharts.h"

#include "app/recordbook/KarteChartKit.h"
#include "app/recordcore/KarteGlobals.h"
#include "app/recordcore/KarteTrap.h"
#include "app/shell/ShellGlobals.h"
#include "controls/dental/ImageCanvas.h"
#include "platform/error/VbError.h"
#include "platform/text/Text.h"

using text::vbLeft;

namespace MdlKarteMain {
namespace {

constexpr int kSide = 27;

void toothCell(ImageCanvas& cv, int left, int top, const QString& code, const QString& quadrant, long& faces,
               long& missing) {
    cv.setPPoLngDrawLeft(left);
    cv.setPPoLngDrawTop(top);
    cv.setPPoLngDrawWidth(kSide);
    cv.setPPoLngDrawHeight(kSide);
    SuSetPlaque(cv, code, quadrant, faces, missing);
}

} // namespace

void SuSetPlaque(ImageCanvas& cv, const QString& code, const QString& quadrant, long& plaqueCnt,
                 long& missingCnt) {
    try {
        if (vbLeft(code, 1) == QLatin1String("M")) {
            cv.setPPoDrawBackColor(chart::kMissing);
            cv.setPPoBolTextCenter(true);
            cv.PSuDrawText(QStringLiteral("M"), true);
            cv.setPPoDrawBackColor(chart::kLabel);
            ++missingCnt;
            return;
        }
        const bool right = quadrant == QLatin1String("UR") || quadrant == QLatin1String("DR");
        plaqueCnt += chart::plaqueFaces(cv, code, (quadrant.startsWith(u'U') ? 0 : 2) + (right ? 0 : 1));
        cv.PSuDrawPlaque();
    } catch (const std::exception& e) {
        PFuBolPutLog(QStringLiteral("SuSetPlaque"), errorDescription(e));
        throw;
    }
}

void SuDrawObJittisidou(ImageCanvas& cv, SpreadGrid& grid, long detailIndex, const QString& delMark) {
    try {
        long faces = 0;
        long missing = 0;
        chart::prepareCanvas(cv, grid, 8);
        chart::freeText(cv, 130, 0, 150, 25, QStringLiteral("歯科衛生実地指導"), true);

        const ToothValues& plaque = jittisidouAt(detailIndex).plaque;
        bool noDeciduous = true;
        for (int j = 32; j < kToothCount && noDeciduous; ++j)
            noDeciduous = vbLeft(plaque[j], 1) == QLatin1String("M");

        cv.setFontSize(11);
        cv.setPPoDrawBackColor(chart::kLabel);
        for (int c = 0; c < 16; ++c) {
            const int left = 7 + 26 * c;
            const bool right = c < 8;
            const int t = right ? 8 - c : c - 7;
            const QString upper = right ? QStringLiteral("UR") : QStringLiteral("UL");
            const QString lower = right ? QStringLiteral("DR") : QStringLiteral("DL");
            chart::cell(cv, left, 25, kSide, 13, chart::kLabel, QString::number(t));
            toothCell(cv, left, 37, plaque[right ? t - 1 : 7 + t], upper, faces, missing);
            if (t <= 5) {
                const int rows[2] = {63, 101};
                const int index[2] = {right ? 31 + t : 36 + t, right ? 41 + t : 46 + t};
                for (int k = 0; k < 2; ++k) {
                    if (noDeciduous) {
                        chart::cell(cv, left, rows[k], kSide, kSide, chart::kWhite, QStringLiteral(" "));
                        cv.setPPoDrawBackColor(chart::kLabel);
                        ++missing;
                    } else {
                        toothCell(cv, left, rows[k], plaque[index[k]], k == 0 ? upper : lower, faces,
                                  missing);
                    }
                    if (k == 0)
                        chart::cell(cv, left, 89, kSide, 13, chart::kLabel, QString(QChar(64 + t)));
                }
            }
            toothCell(cv, left, 127, plaque[right ? 15 + t : 23 + t], lower, faces, missing);
            chart::cell(cv, left, 153, kSide, 13, chart::kLabel, QString::number(t));
        }

        cv.setFontSize(10);
        chart::freeText(cv, 290, 0, 140, 27, chart::rateCaption(faces, missing, kToothCount), true);
        chart::deleteCross(cv, delMark);
    } catch (const std::exception& e) {
        trapped(QStringLiteral("SuDrawObJittisidou"), QStringLiteral("900"), e, EnMsgDispIcon::W,
                QStringLiteral("SuDrawObJittisidou"));
    }
}

} // namespace MdlKarteMain
