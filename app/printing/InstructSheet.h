// The plaque control / practical instruction record sheet: page title and patient header, then one
// block per chosen visit (visit header, plaque chart, cleaning implements, instruction contents),
// measured before it is drawn so that page breaks fall between blocks.
#pragma once
#include <QString>
#include <functional>
#include <vector>

#include "app/printing/PlaqueChartPrint.h"
#include "app/printing/SheetCanvas.h"
#include "app/recordcore/KarteData.h"

// The printer as the sheet uses it: its device context and text services, colour mode and job steps.
struct SheetDevice {
    gdi::Surface& dc;
    int colorMode = 2;
    std::function<void()> newPage;
    std::function<void()> endDoc;
};

class InstructSheet {
public:
    // One row of the selection list, in list order.
    struct Row {
        int historyIndex = -1; // -1: the visit being edited
        bool ticked = false;
    };

    InstructSheet(const SheetDevice& device, const PageFrame& frame, const InstructEntryData& record);

    // Prints the ticked rows from the last row of the list up, page by page, and ends the job when a
    // page was begun. Errors are logged at once and reported by one message 033/900 after the job.
    long FuLngInstructDraw(const std::vector<Row>& rows);

    // Each procedure answers its height in twips; with draw false it only measures.
    long FuLngInstructDrawHeader(long page, long y);
    long FuLngInstructDrawRec(bool draw, long y);
    long FuLngInstructDrawRecHeader(bool draw, long y);
    long FuLngInstructDrawPlague(bool draw, long y);
    long FuLngInstructDrawCleanning(bool draw, long y);
    long FuLngInstructDrawPoint(bool draw, long y);

    // The visit the block procedures print.
    void setPrintVisit(const InstructVisitData& visit) { printVisit_ = visit; }
    const InstructVisitData& printVisit() const { return printVisit_; }
    long columnUnit() const { return canvas_.columnUnit(); }
    // Pages begun by the last FuLngInstructDraw, and whether any part of it failed.
    long pageCount() const { return pages_; }
    bool failed() const { return failed_; }

private:
    // Sets CurrentX/Y to centre the text between x1 and x2 at (y1 + y2) / 2 and writes it with Print.
    void SuPrintTextAlign(long x1, long y1, long x2, long y2, const QString& text);
    // Logs the error under the procedure's name; the message waits for the end of the job.
    void trapped(const QString& procedure, const std::exception& e);
    void setGothic(double size);

    SheetDevice device_;
    SheetCanvas canvas_;
    const InstructEntryData& record_;
    InstructVisitData printVisit_;
    PlaqueChartPrint chart_;
    long pages_ = 0;
    bool failed_ = false;
};
