// Speed of the tooth-part notation and its pictures: splitting 100,000 codes, rendering 1,000 part
// pictures and 1,000 text cell pictures as a record-book month does, and one long text cell picture.
#include <QGuiApplication>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

#include "controls/toothchart/PartControl.h"
#include "controls/toothchart/PicPart.h"
#include "controls/toothchart/PicText.h"
#include "platform/gdi/GdiFont.h"

namespace {

QStringList sampleCodes(int n) {
    const QString letters = QStringLiteral("0000aaaabbghcdeknqr");
    QRandomGenerator rng(7);
    QStringList out;
    for (int i = 0; i < n; ++i) {
        QString code(QChar(i % 3 == 0 ? 'C' : 'N'));
        for (int t = 0; t < 32; ++t)
            code += letters.at(rng.bounded(static_cast<int>(letters.size())));
        out.append(code);
    }
    return out;
}

void BM_Split100000Codes(benchmark::State& state) {
    const QStringList codes = sampleCodes(100000);
    PartControl pc;
    for (auto _ : state) {
        for (const QString& code : codes) {
            pc.setPPoStrParts33(code);
            pc.PSuSeparation();
            benchmark::DoNotOptimize(pc.PPoStrURB());
        }
    }
}
BENCHMARK(BM_Split100000Codes)->Unit(benchmark::kMillisecond);

// Column 2 of the record book: 1,000 lines' tooth-part pictures.
void BM_Render1000PartPictures(benchmark::State& state) {
    const QStringList codes = sampleCodes(1000);
    PicPart p;
    p.setBackColor(0xFFFFFF);
    p.setForeColor(0x000000);
    p.setCellWidth(1500);
    p.setCellHeight(330);
    for (auto _ : state) {
        for (int i = 0; i < codes.size(); ++i) {
            p.setPPoStrParts33(codes.at(i));
            p.setPPoStrPartsText(i % 2 ? QStringLiteral("上顎") : QString());
            p.setPPoBolDelMark(i % 5 == 0);
            p.PSuRedraw();
            benchmark::DoNotOptimize(p.Picture());
        }
    }
}
BENCHMARK(BM_Render1000PartPictures)->Unit(benchmark::kMillisecond);

// Column 3 of the record book: 1,000 chief-complaint texts with small runs and tooth glyphs.
// The text cell picture as the record book sets it up.
void setUpAsRecordBook(PicText& p) {
    p.setBackColor(0xFFFFFF);
    p.setForeColor(0x000000);
    p.setCellBorderColor(0xC0C0C0);
    p.setCellWidth(6000);
    p.setCellHeight(330);
    p.setCellBorderWidth(1);
    p.Font() = gdi::logicalFont(QStringLiteral("ＭＳ ゴシック"), 12);
    p.FontFullDP() = gdi::logicalFont(QStringLiteral("ＭＳ ゴシック"), 8);
    p.FontHalfDP() = gdi::logicalFont(QStringLiteral("ＭＳ ゴシック"), 12);
}

void BM_Render1000TextPictures(benchmark::State& state) {
    const QStringList codes = sampleCodes(1000);
    PicText p;
    setUpAsRecordBook(p);
    QStringList texts;
    for (int i = 0; i < codes.size(); ++i)
        texts.append(QStringLiteral("右下の歯が痛む。/{B冷水痛/}あり\r/{D") + codes.at(i) +
                     QStringLiteral("上顎/}の歯肉より出血、ブラッシング時に違和感"));
    for (auto _ : state) {
        for (const QString& t : texts) {
            p.setPPoStrDText(t);
            benchmark::DoNotOptimize(p.Picture());
        }
    }
}
BENCHMARK(BM_Render1000TextPictures)->Unit(benchmark::kMillisecond);

// One chief complaint of range(0) lines (CR line breaks), each line one row.
void BM_RenderLongTextPicture(benchmark::State& state) {
    PicText p;
    setUpAsRecordBook(p);
    QStringList lines;
    for (int i = 1; i <= state.range(0); ++i)
        lines << QStringLiteral("冷たい物がしみる。歯間部より出血あり（%1）").arg(i);
    const QString text = lines.join(QChar('\r'));
    for (auto _ : state) {
        p.setPPoStrDText(text);
        benchmark::DoNotOptimize(p.Picture());
    }
    state.counters["rows"] = p.CellRows();
}
BENCHMARK(BM_RenderLongTextPicture)->Arg(250)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

// range(0) characters of plain text without line breaks, wrapped into rows.
void BM_RenderLongPlainTextPicture(benchmark::State& state) {
    PicText p;
    setUpAsRecordBook(p);
    const QString sentence = QStringLiteral("右下の奥歯が冷たい物でしみ、歯磨きの時に歯肉から出血する。");
    QString text;
    while (text.size() < state.range(0))
        text += sentence;
    text.truncate(state.range(0));
    for (auto _ : state) {
        p.setPPoStrDText(text);
        benchmark::DoNotOptimize(p.Picture());
    }
    state.counters["rows"] = p.CellRows();
}
BENCHMARK(BM_RenderLongPlainTextPicture)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
