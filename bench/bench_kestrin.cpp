// Kestrin: a 32-tooth plaque chart drawn on the canvas and taken as a picture; a 1,280 x 960 photo saved
// as JPEG at the best quality and loaded back.
#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

#include "controls/dental/ImageCanvas.h"
#include "controls/dental/ImageCompress.h"
#include "platform/gdi/Gdi.h"

#include "WidgetBenchMain.h"

namespace {

void cell(ImageCanvas& c, int left, int top, int width, int height) {
    c.setPPoLngDrawLeft(left);
    c.setPPoLngDrawTop(top);
    c.setPPoLngDrawWidth(width);
    c.setPPoLngDrawHeight(height);
}

// The chart as the record book draws an instruction chart of the permanent teeth: a title, tooth
// numbers on label boxes above and below, one plaque cell per tooth, the rate caption.
QImage drawPlaqueChart(ImageCanvas& c, int variant) {
    c.setHeight(8 * 15 * 15.0);
    c.PSuClearCanvas();
    c.setFontSize(11);
    c.setFontBold(true);
    c.setPPoBolTextCenter(true);
    cell(c, 130, 0, 150, 25);
    c.PSuDrawText(QStringLiteral("歯科衛生実地指導"), false);
    for (int col = 0; col < 16; ++col) {
        const int left = 7 + 26 * col;
        const int tooth = col < 8 ? 8 - col : col - 7;
        const QString number = QString::number(tooth);
        c.setPPoDrawBackColor(0xFFFF00);
        for (int top : {25, 89}) {
            cell(c, left, top, 27, 13);
            c.PSuDrawText(number, true);
        }
        for (int top : {37, 63}) {
            const int bits = (col * 7 + top + variant) % 16;
            c.setPPoBolPlaqueL(bits & 1);
            c.setPPoBolPlaqueR(bits & 2);
            c.setPPoBolPlaqueU(bits & 4);
            c.setPPoBolPlaqueD(bits & 8);
            cell(c, left, top, 27, 27);
            c.PSuDrawPlaque();
        }
    }
    c.setFontSize(10);
    cell(c, 290, 0, 140, 27);
    c.PSuDrawText(QStringLiteral("(プラーク率 42.19%)"), false);
    return c.PFuGetPicture();
}

void BM_PlaqueChart32Teeth(benchmark::State& state) {
    ImageCanvas c;
    c.setBackColor(0xFFFFC0);
    c.setFont(gdi::logicalFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    c.setWidth(440 * 15.0);
    int variant = 0;
    for (auto _ : state) {
        // A different height each round, so every round makes its picture anew as the month view does.
        c.setHeight(0);
        benchmark::DoNotOptimize(drawPlaqueChart(c, ++variant));
    }
}
BENCHMARK(BM_PlaqueChart32Teeth)->Unit(benchmark::kMillisecond);

// A photo-like picture: smooth shading with sensor noise, which is what makes JPEG work hard.
QImage photo() {
    QImage img(1280, 960, QImage::Format_RGB32);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> noise(-12, 12);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int r = std::clamp(x * 200 / 1280 + 30 + noise(rng), 0, 255);
            const int g = std::clamp(y * 180 / 960 + 40 + noise(rng), 0, 255);
            const int b = std::clamp((x + y) * 120 / 2240 + 90 + noise(rng), 0, 255);
            line[x] = qRgb(r, g, b);
        }
    }
    return img;
}

void BM_SavePhoto1280x960(benchmark::State& state) {
    QTemporaryDir dir;
    ImageCompress ic;
    ic.resize(1280, 960);
    if (!ic.PFuBolLoadImageBit(photo()))
        state.SkipWithError("load failed");
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    for (auto _ : state)
        if (!ic.PFuBolSaveImage(path))
            state.SkipWithError("save failed");
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_SavePhoto1280x960)->Unit(benchmark::kMillisecond);

void BM_LoadPhoto1280x960(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    {
        ImageCompress ic;
        ic.resize(1280, 960);
        ic.PFuBolLoadImageBit(photo());
        ic.PFuBolSaveImage(path);
    }
    // At full size (shown at 100 %), and shrunk into a 320 x 240 control.
    ImageCompress ic;
    ic.resize(int(state.range(0)), int(state.range(0)) * 3 / 4);
    for (auto _ : state)
        if (!ic.PFuBolLoadImage(path))
            state.SkipWithError("load failed");
}
BENCHMARK(BM_LoadPhoto1280x960)->Arg(1280)->Arg(320)->Unit(benchmark::kMillisecond);

} // namespace

ORVANTA_WIDGET_BENCHMARK_MAIN()
