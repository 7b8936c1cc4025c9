#include "app/shell/PatientList.h"

#include "app/shell/MdlCommInterface.h"
#include "platform/spread/SpreadGrid.h"

namespace patientsearch {

void setUpPatientList(SpreadGrid& grid) {
    static const struct {
        const char* header;
        double width;
    } columns[] = {{"診察券番号", 11},  {"氏名", 31.25}, {"性別", 3.12},
                   {"生年月日", 10.12}, {"住所", 46.75}, {"電話番号", 20.5}};
    grid.setMaxCols(6);
    grid.setMaxRows(0);
    grid.setCol(-1);
    grid.setRow(-1);
    grid.setCellType(SpreadGrid::CellTypeStaticText);
    for (int c = ColCardNumber; c <= ColTelephone; ++c) {
        grid.setText(c, 0, QString::fromUtf8(columns[c - 1].header));
        grid.setColWidth(c, columns[c - 1].width);
    }
    grid.setCol(ColBirthday);
    grid.setCellType(SpreadGrid::CellTypeDate);
    grid.setTypeDateFormat(QStringLiteral("gee/mm/dd"));
    grid.setCol(ColAddress);
    grid.setTypeTextWordWrap(true);
    grid.setOperationMode(3);
    grid.setUserResizeRow(2);
}

void clearPatientList(SpreadGrid& grid) {
    grid.setRow(0);
    grid.setMaxRows(0);
}

void fillPatientList(SpreadGrid& grid, const std::vector<PatientRow>& rows) {
    grid.setMaxRows(static_cast<int>(rows.size()));
    int r = 1;
    for (const PatientRow& row : rows) {
        grid.setText(ColCardNumber, r, row.personalId);
        grid.setText(ColName, r, row.name);
        grid.setText(ColSex, r, row.sexName);
        grid.setText(ColBirthday, r, row.birthday);
        grid.setText(ColAddress, r, row.address);
        grid.setText(ColTelephone, r, row.telNo);
        if (row.fitRow)
            MdlCommInterface::PSuSpdCellSet(grid, ColAddress, r);
        ++r;
    }
}

} // namespace patientsearch
