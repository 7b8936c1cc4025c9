// The record-list screen over a real keyed database: image folder with its temp folder, the screen's
// widgets by name, the grid's cell formats, and grabs saved where ORVANTA_GRAB_DIR points.
#pragma once
#include <QDir>
#include <QLabel>
#include <QPushButton>

#include "app/recordbook/FrmMKarte02_001.h"
#include "app/recordbook/KarteMonthView.h"
#include "app/recordbook/RecordBookServices.h"
#include "platform/spread/SpreadGrid.h"
#include "platform/spread/SpreadModel.h"
#include "support/RecordBookFixture.h"

#include <QTableView>

// The grid's storage, for the cell formats the program sets but never reads back.
inline const spread::SpreadModel& gridModel(SpreadGrid& g) {
    return *static_cast<const spread::SpreadModel*>(g.view()->model());
}
inline const spread::CellStyle& cellStyle(SpreadGrid& g, int col, int row) {
    return gridModel(g).style(col, row);
}

class KarteScreenFixture : public RecordBookFixture {
protected:
    void SetUp() override {
        RecordBookFixture::SetUp();
        savedImagePath = gStrImagePath;
        gStrImagePath = path(QStringLiteral("image"));
        ASSERT_TRUE(QDir().mkpath(gStrImagePath + QStringLiteral("/temp")));
        setRecordBookServices({});
        modal::clearResponders();
        modal::clearShown();
        msgbox::clearShown();
        msgbox::clearAnswers();
    }
    void TearDown() override {
        FrmMKarte02_001::unload();
        setRecordBookServices({});
        modal::clearResponders();
        msgbox::clearAnswers();
        gStrImagePath = savedImagePath;
        RecordBookFixture::TearDown();
    }

    static FrmMKarte02_001* screen() { return FrmMKarte02_001::loaded(); }
    static SpreadGrid& grid() { return *screen()->SpdKarte(); }
    static QPushButton* button(const char* name) { return screen()->button(name); }
    static QString labelText(const char* name) {
        QLabel* l = screen()->label(name);
        return l ? l->text() : QStringLiteral("<none>");
    }
    static const spread::SpreadModel& model(SpreadGrid& g) {
        return *static_cast<const spread::SpreadModel*>(g.view()->model());
    }
    static const spread::CellStyle& style(SpreadGrid& g, int col, int row) {
        return model(g).style(col, row);
    }
    // Column 5 of rows 1..n, joined.
    static QString markers(SpreadGrid& g) {
        QStringList m;
        for (int r = 1; r <= g.maxRows(); ++r)
            m << g.getText(5, r);
        return m.join(u',');
    }
    // The message boxes shown, as "number-less" texts in order.
    static QStringList boxTexts() {
        QStringList t;
        for (const auto& b : msgbox::shown())
            t << b.text;
        return t;
    }
    static void grab(QWidget* w, const QString& name) {
        if (qEnvironmentVariableIsSet("ORVANTA_GRAB_DIR"))
            w->grab().save(qEnvironmentVariable("ORVANTA_GRAB_DIR") + u'/' + name);
    }
    static void grabImage(const QImage& img, const QString& name) {
        if (qEnvironmentVariableIsSet("ORVANTA_GRAB_DIR"))
            img.save(qEnvironmentVariable("ORVANTA_GRAB_DIR") + u'/' + name);
    }

    QString savedImagePath;
};
