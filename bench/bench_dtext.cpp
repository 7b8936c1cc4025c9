// Speed of the marked-text editor on a long instruction text: 2,000 characters with 200 runs (half-size,
// circled and tooth glyphs) laid out and painted, and one key press at its end. Each must fit one frame
// (16 ms).
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <benchmark/benchmark.h>

#include "controls/toothchart/DText.h"
#include "platform/gdi/GdiFont.h"

#include "WidgetBenchMain.h"

namespace {

QString longText() {
    const QString words = QStringLiteral("歯間部の清掃を指導した。ブラッシング圧に注意。Plaque 12%. ");
    const QString code = QStringLiteral("C00aaaa000000000000000000aaa00000");
    QString t;
    int chars = 0;
    for (int run = 0; run < 200; ++run) {
        for (int i = 0; i < 10; ++i, ++chars)
            t += words.at(chars % words.size());
        if (run % 20 == 19)
            t += QChar('\r');
        if (run % 4 == 0)
            t += QStringLiteral("/{D") + code + QStringLiteral("上顎/}");
        else if (run % 4 == 1)
            t += QStringLiteral("/{C注/}");
        else
            t += QStringLiteral("/{B小さい字/}");
    }
    return t;
}

struct Editor {
    Editor() {
        form.setFont(gdi::logicalFont(QStringLiteral("ＭＳ ゴシック"), 12));
        form.resize(620, 420);
        text = new DText(&form);
        text->setGeometry(10, 10, 600, 400);
        form.show();
        QApplication::setActiveWindow(&form);
        QApplication::processEvents();
    }
    QWidget form;
    DText* text;
};

// The whole text set, laid out, and the whole board painted (not only the part in view).
void BM_LayoutAndPaint2000Chars200Runs(benchmark::State& state) {
    Editor e;
    const QString t = longText();
    DTextBoard* board = e.text->board();
    for (auto _ : state) {
        e.text->setPPoStrDString(QString());
        e.text->setPPoStrDString(t);
        QImage img(board->size(), QImage::Format_RGB32);
        board->render(&img);
        benchmark::DoNotOptimize(img.constBits());
    }
    state.counters["cells"] = double(board->cells().size() - 1);
    state.counters["boardHeightPx"] = board->height();
}
BENCHMARK(BM_LayoutAndPaint2000Chars200Runs)->Unit(benchmark::kMillisecond);

// One character typed at the end of the text, shown on screen: layout, scroll, repaint of the view.
void BM_KeyPressAtEnd(benchmark::State& state) {
    Editor e;
    e.text->setPPoStrDString(longText());
    DTextBoard* board = e.text->board();
    board->setFocus();
    QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
    QApplication::sendEvent(board, &end);
    QApplication::processEvents();
    bool type = true;
    for (auto _ : state) {
        QKeyEvent key(QEvent::KeyPress, type ? Qt::Key_A : Qt::Key_Backspace, Qt::NoModifier,
                      type ? QStringLiteral("a") : QStringLiteral("\b"));
        QApplication::sendEvent(board, &key);
        board->repaint();
        type = !type;
    }
    state.counters["cells"] = double(board->cells().size() - 1);
}
BENCHMARK(BM_KeyPressAtEnd)->Unit(benchmark::kMillisecond);

} // namespace

ORVANTA_WIDGET_BENCHMARK_MAIN()
