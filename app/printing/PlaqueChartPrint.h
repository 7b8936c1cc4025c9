// The printed plaque chart of one visit: the working matrices of its 52 plaque codes, the chart mode
// (permanent, deciduous or both), the tooth cells with their plaque faces and the rows of numbers.
#pragma once
#include <QString>

#include "app/printing/SheetCanvas.h"
#include "app/recordcore/KarteData.h"
#include "app/recordcore/MdlPlaque.h"

class PlaqueChartPrint {
public:
    // 1 permanent teeth only, 2 deciduous teeth only, 3 both or neither.
    enum Mode { Permanent = 1, Deciduous = 2, Both = 3 };

    explicit PlaqueChartPrint(SheetCanvas& canvas);

    // The PCR text: plaque faces / (present teeth x 4) x 100 as "##0.00" and "％"; "" with no present
    // tooth ("M" after trimming is an absent tooth; any other code, "" too, a present one).
    static QString SuPlaqueRitu(const ToothValues& codes);

    // Fills both working matrices from the codes and answers the chart mode.
    Mode fill(const ToothValues& codes);
    // The chart's height in twips for a mode, from the current column unit.
    long height(Mode mode) const;
    // Draws the filled chart with its label box at y (twips). A row that fails ends the chart there.
    void draw(Mode mode, long y);

    const MdlPlaque::PermanentMatrix& permanentGrid() const { return permanent_; }
    const MdlPlaque::DeciduousMatrix& deciduousGrid() const { return deciduous_; }

private:
    template <typename Matrix> bool FuBolPlaqueSetArry(const ToothValues& codes, Matrix& matrix, long first);
    template <typename Matrix> bool FuBolDrawPlaqueRow(const Matrix& matrix, int x, int y, bool lowerJaw);
    bool FuBolDrawCharCells(const QString& text, int x, int y, int w, int h);
    void SuDrawToothCell(int x, int y, int w, int h, bool absent, bool right, bool left, bool top,
                         bool bottom);
    gdi::Brush FuLngPlaqueBrush(bool plaque) const;

    SheetCanvas& canvas_;
    MdlPlaque::PermanentMatrix permanent_;
    MdlPlaque::DeciduousMatrix deciduous_;
};
