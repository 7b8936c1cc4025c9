#include "app/recordcore/MdlPlaque.h"

#include "platform/spread/SpreadGrid.h"
#include "platform/text/Text.h"

namespace MdlPlaque {
namespace {

enum Face { U, D, L, R };
// The face that character 1..4 of a code names, per quadrant.
constexpr Face kFaceOfChar[4][4] = {
    {R, L, U, D}, // upper right
    {L, R, U, D}, // upper left
    {R, L, D, U}, // lower right
    {L, R, D, U}, // lower left
};

bool& faceRef(PlaqueFaces& f, Face face) {
    switch (face) {
    case U:
        return f.U;
    case D:
        return f.D;
    case L:
        return f.L;
    case R:
        break;
    }
    return f.R;
}

} // namespace

bool isLostCode(const QString& code) {
    return text::vbTrim(code) == QLatin1String("M");
}

QString matrixEntry(const QString& code) {
    const QString t = text::vbTrim(code);
    if (t.isEmpty())
        return QStringLiteral("0000");
    return t.leftJustified(4, u' ', true);
}

PlaqueFaces facesOf(const QString& code, int quadrant) {
    PlaqueFaces f;
    if (quadrant < 0 || quadrant > 3)
        return f;
    for (int k = 0; k < 4; ++k)
        faceRef(f, kFaceOfChar[quadrant][k]) = k < code.size() && code.at(k) == u'1';
    return f;
}

QString codeOf(const PlaqueFaces& faces, int quadrant) {
    if (quadrant < 0 || quadrant > 3)
        return QStringLiteral("0000");
    PlaqueFaces f = faces;
    QString code;
    for (int k = 0; k < 4; ++k)
        code += faceRef(f, kFaceOfChar[quadrant][k]) ? u'1' : u'0';
    return code;
}

QString plaqueRateText(long faces, long present) {
    if (present <= 0)
        return QString();
    // faces / (present * 4) * 100 in hundredths, exactly, halves rounded up as the display format does.
    const qint64 hundredths =
        (2 * static_cast<qint64>(faces) * 2500 + present) / (2 * static_cast<qint64>(present));
    return QStringLiteral("%1.%2").arg(hundredths / 100).arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

std::array<QString, 3> plaqueLabelTexts(long present, long faces) {
    if (present <= 0)
        return {};
    return {QString::number(present), QString::number(faces), plaqueRateText(faces, present)};
}

bool FuBolSpdCheckSet(SpreadGrid& grid, const QStringList& keys) {
    try {
        for (const QString& key : keys) {
            for (int row = 1; row <= grid.maxRows(); ++row) {
                grid.setRow(row);
                grid.setCol(1);
                if (grid.text() == key && !grid.selModeSelected()) {
                    grid.setSelModeSelected(true);
                    break;
                }
            }
        }
        return true;
    } catch (...) {
        return false;
    }
}

bool FuBolSpdNoCheck(SpreadGrid& grid) {
    // The search starts after row 0: every row is looked at.
    return grid.searchCol(1, 0, grid.maxRows(), QStringLiteral("1"), 4) == -1;
}

} // namespace MdlPlaque
