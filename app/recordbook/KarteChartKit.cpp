#include "app/recordbook/KarteChartKit.h"

#include "app/recordcore/MdlPlaque.h"
#include "controls/dental/ImageCanvas.h"
#include "platform/gdi/GdiBasics.h"
#include "platform/spread/SpreadGrid.h"

namespace MdlKarteMain::chart {

void prepareCanvas(ImageCanvas& canvas, SpreadGrid& grid, int rows) {
    const int rowTwips = grid.rowHeightToTwips(grid.rowHeight(grid.row()));
    canvas.setHeight(static_cast<double>(rows) * rowTwips);
    canvas.PSuClearCanvas();
    canvas.setFontSize(11);
    canvas.setFontBold(true);
}

void cell(ImageCanvas& canvas, int left, int top, int width, int height, int back, const QString& text) {
    canvas.setPPoLngDrawLeft(left);
    canvas.setPPoLngDrawTop(top);
    canvas.setPPoLngDrawWidth(width);
    canvas.setPPoLngDrawHeight(height);
    canvas.setPPoDrawBackColor(back);
    canvas.setPPoBolTextCenter(true);
    canvas.PSuDrawText(text, true);
}

void freeText(ImageCanvas& canvas, int left, int top, int width, int height, const QString& text,
              bool centred) {
    canvas.setPPoLngDrawLeft(left);
    canvas.setPPoLngDrawTop(top);
    canvas.setPPoLngDrawWidth(width);
    canvas.setPPoLngDrawHeight(height);
    canvas.setPPoBolTextCenter(centred);
    canvas.PSuDrawText(text, false);
}

int plaqueFaces(ImageCanvas& canvas, const QString& code, int quadrant) {
    const MdlPlaque::PlaqueFaces f = MdlPlaque::facesOf(code, quadrant);
    canvas.setPPoBolPlaqueR(f.R);
    canvas.setPPoBolPlaqueL(f.L);
    canvas.setPPoBolPlaqueU(f.U);
    canvas.setPPoBolPlaqueD(f.D);
    return int(f.R) + int(f.L) + int(f.U) + int(f.D);
}

QString rateCaption(long faces, long missing, int teeth) {
    const QString rate =
        faces == 0 ? QStringLiteral("0.00") : MdlPlaque::plaqueRateText(faces, teeth - missing);
    return QStringLiteral("(プラーク率 ") + rate + QStringLiteral("%)");
}

void deleteCross(ImageCanvas& canvas, const QString& delMark) {
    if (delMark != QLatin1String("1"))
        return;
    canvas.setDrawPenColor(kCross);
    canvas.setDrawPenWidth(3);
    // The canvas size in twips, in the screen's pixels.
    const float w = static_cast<float>(canvas.Width() / gdi::kTwipsPerPixel);
    const float h = static_cast<float>(canvas.Height() / gdi::kTwipsPerPixel);
    canvas.DrawLine(0, 0, w, h);
    canvas.DrawLine(w, 0, 0, h);
}

} // namespace MdlKarteMain::chart
