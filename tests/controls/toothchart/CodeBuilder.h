// Builds tooth-part codes for tests from a mode letter and (quadrant, tooth, state) entries.
#pragma once
#include <QString>
#include <initializer_list>

#include "controls/toothchart/ToothPartCode.h"

struct ToothState {
    int quadrant; // ToothPartCode::Quadrant
    int tooth;    // 1..8
    char state;
};

inline QString makeCode(char mode, std::initializer_list<ToothState> teeth, char fill = '0') {
    QString code = QString(QChar(mode)) + QString(32, QChar(fill));
    for (const ToothState& t : teeth)
        code[ToothPartCode::indexOf(t.quadrant, t.tooth)] = QChar(t.state);
    return code;
}
