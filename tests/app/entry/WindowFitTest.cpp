// Every window of the program on the screens clinics use: whole inside the area a panel leaves, at most
// 1366 x 698 on a 1366 x 768 screen, and on smaller screens shrunk only where its layout lets every button
// stay in reach (in view, or in a body that scrolls).
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "app/entry/FrmMKarte03_002.h"
#include "app/entry/FrmMKarte03_003.h"
#include "app/entry/FrmMKarte03_004.h"
#include "app/entry/FrmMKarteS_001.h"
#include "app/entry/FrmMKarteS_008.h"
#include "app/printing/FrmMKarte03_005.h"
#include "app/printing/FrmMKarteS_010.h"
#include "app/recordbook/FrmMKarte02_001.h"
#include "app/recordbook/FrmMkarte99_001.h"
#include "app/shell/FrmMKarte01_001.h"
#include "app/shell/FrmMKarte01_002.h"
#include "app/shell/FrmMKarte99_002.h"
#include "app/shell/FrmMKarteS_005.h"
#include "app/shell/FrmMKarteS_009.h"
#include "app/shell/MdlCommInterface.h"
#include "controls/dental/PlaqueCheck.h"

namespace {

// The frame a window manager puts around every window: a title bar of about 30 pixels, thin borders.
const QMargins kFrame(4, 30, 4, 4);

// The screens, each with a 40-pixel panel at the bottom; on those marked whole every window keeps its
// designed size.
const struct {
    const char* name;
    QRect area;
    bool wholeSize;
} kScreens[] = {{"1366x768", QRect(0, 0, 1366, 728), true},
                {"1920x1080", QRect(0, 0, 1920, 1040), true},
                {"1280x720", QRect(0, 0, 1280, 680), false},
                {"1024x768", QRect(0, 0, 1024, 728), false}};

template <typename F> std::function<std::unique_ptr<QWidget>()> make() {
    return [] { return std::make_unique<F>(); };
}

const struct {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> create;
} kWindows[] = {
    {"login", make<FrmMKarte01_001>()},
    {"menu", make<FrmMKarte01_002>()},
    {"start-up wait", make<FrmMKarte99_002>()},
    {"patient search", make<FrmMKarteS_005>()},
    {"calendar", make<FrmMKarteS_009>()},
    {"record book", make<FrmMKarte02_001>()},
    {"record loading wait", make<FrmMkarte99_001>()},
    {"instruction entry", make<FrmMKarte03_002>()},
    {"past-record viewer", make<FrmMKarte03_003>()},
    {"comment picker", make<FrmMKarte03_004>()},
    {"tooth part", make<FrmMKarteS_001>()},
    {"small text", make<FrmMKarteS_008>()},
    {"record selection", make<FrmMKarte03_005>()},
    {"print setup", make<FrmMKarteS_010>()},
};

// True when the widget lies inside each of its parents up to the form; inside a scrolling body it needs
// only to lie inside the body, which the user scrolls to.
bool inReach(const QWidget* w, const QWidget* form) {
    for (const QWidget* p = w; p != form; p = p->parentWidget()) {
        const QWidget* parent = p->parentWidget();
        const auto* scroll = qobject_cast<const QAbstractScrollArea*>(parent->parentWidget());
        if (scroll && scroll->viewport() == parent)
            continue;
        if (!parent->rect().contains(p->geometry()))
            return false;
    }
    return true;
}

// True when the widget sits inside a control (which places its own buttons) rather than in the form's
// own containers.
bool insideControl(const QWidget* w, const QWidget* form) {
    static const QStringList containers = {"QWidget", "QFrame", "QGroupBox", "QScrollArea"};
    for (const QWidget* p = w->parentWidget(); p != form; p = p->parentWidget())
        if (!containers.contains(QLatin1String(p->metaObject()->className())) &&
            !p->objectName().startsWith(QLatin1String("qt_")))
            return true;
    return false;
}

QList<QAbstractButton*> shownButtons(QWidget& form) {
    QList<QAbstractButton*> out;
    for (QAbstractButton* b : form.findChildren<QAbstractButton*>())
        if (b->isVisible())
            out << b;
    return out;
}

} // namespace

TEST(WindowFit, EveryWindowFitsEachScreenWithEveryButtonInReach) {
    for (const auto& win : kWindows) {
        SCOPED_TRACE(win.name);
        std::unique_ptr<QWidget> form = win.create();
        form->show();
        QApplication::processEvents();
        const QSize designed = form->size();
        EXPECT_LE(designed.width(), 1366);
        EXPECT_LE(designed.height(), 698);

        for (const auto& screen : kScreens) {
            SCOPED_TRACE(screen.name);
            form->resize(designed);
            const QRect place = MdlCommInterface::formPlacement(form.get(), screen.area, kFrame);
            EXPECT_TRUE(screen.area.contains(place))
                << place.x() << "," << place.y() << " " << place.width() << "x" << place.height();
            const QSize client = place.size().shrunkBy(kFrame);
            if (screen.wholeSize) {
                EXPECT_EQ(client, designed);
            }
            form->resize(client);
            QApplication::processEvents();
            ASSERT_EQ(form->size(), client);

            const QList<QAbstractButton*> buttons = shownButtons(*form);
            for (QAbstractButton* b : buttons) {
                EXPECT_TRUE(inReach(b, form.get())) << b->objectName().toStdString();
                if (insideControl(b, form.get()))
                    continue;
                for (QAbstractButton* other : buttons) {
                    if (other != b && other->parentWidget() == b->parentWidget()) {
                        EXPECT_FALSE(b->geometry().intersects(other->geometry()))
                            << b->objectName().toStdString() << " " << other->objectName().toStdString();
                    }
                }
            }
        }
        // Plaque cells stay large enough to hit.
        for (PlaqueCheck* cell : form->findChildren<PlaqueCheck*>()) {
            if (!cell->objectName().startsWith(QLatin1String("PlaqueCheck_")))
                continue;
            EXPECT_GE(std::min(cell->width(), cell->height()), 24) << cell->objectName().toStdString();
        }
    }
}
