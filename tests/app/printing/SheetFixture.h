// Visits and a recording A4 page at 600 dots per inch for the record sheet tests.
#pragma once
#include <QColor>

#include "PrintingFixture.h"
#include "app/printing/InstructSheet.h"
#include "platform/gdi/Gdi.h"

namespace sheettest {

// A4 at 600 dots per inch: 11906 x 16838 twips, 2.4 twips per pixel.
inline const QSize kA4Px(4961, 7016);
inline const PageFrame kFrame{1080, 720, 11906 - 1080, 16838 - 720};

inline const QColor kGrey(192, 192, 192);
inline const QColor kPlaqueRed(255, 64, 64);
inline const QColor kLostGreen(64, 128, 64);

// A visit with every tooth absent but for the codes given (index in the 52-tooth order, code).
inline InstructVisitData visit(const QString& entry, const QString& staff,
                               std::initializer_list<std::pair<int, QString>> present = {}) {
    InstructVisitData v;
    v.entry = entry;
    v.inst_start_time = QStringLiteral("09:30");
    v.inst_end_time = QStringLiteral("10:00");
    v.staff_name = staff;
    v.plaque.fill(QStringLiteral("M"));
    for (const auto& [index, code] : present)
        v.plaque[static_cast<size_t>(index)] = code;
    return v;
}

// The eight upper right permanent teeth present, one face of tooth 1 with plaque.
inline InstructVisitData permanentVisit(const QString& entry, const QString& staff) {
    return visit(entry, staff,
                 {{0, "1000"},
                  {1, "0000"},
                  {2, "0000"},
                  {3, "0000"},
                  {4, "0000"},
                  {5, "0000"},
                  {6, "0000"},
                  {7, "0000"}});
}

inline std::vector<gdi::RecordedCall> rectsFilled(const gdi::RecordingSurface& s, const QColor& c) {
    std::vector<gdi::RecordedCall> out;
    for (const gdi::RecordedCall& r : s.callsOf(gdi::RecordedCall::Kind::Rectangle))
        if (r.brush.style == gdi::BrushStyle::Solid && r.brush.color == c)
            out.push_back(r);
    return out;
}

inline QStringList texts(const gdi::RecordingSurface& s) {
    QStringList out;
    for (const gdi::RecordedCall& c : s.callsOf(gdi::RecordedCall::Kind::TextOut))
        out << c.text;
    return out;
}

} // namespace sheettest

class SheetFixture : public PrintingFixture {
protected:
    SheetFixture() : page(sheettest::kA4Px, 600) {}

    SheetDevice device(int colorMode = 2) {
        return SheetDevice{page, colorMode, [this] { ++newPages; }, [this] { ++endDocs; }};
    }

    gdi::RecordingSurface page;
    int newPages = 0;
    int endDocs = 0;
};
