// The modal routine without its seam: a real modal loop that ends when the window hides or goes.
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/msgbox/Modal.h"

namespace {

// Turns the seam off for one test.
class RealModal : public ::testing::Test {
protected:
    void SetUp() override {
        modal::enableTestSeam(false);
        modal::clearShown();
    }
    void TearDown() override { modal::enableTestSeam(true); }
};

} // namespace

TEST_F(RealModal, BlocksUntilTheWindowIsHiddenOrDestroyedThenRestoresItsModality) {
    for (bool destroy : {false, true}) {
        QPointer<QWidget> w = new QWidget;
        w->setObjectName(QStringLiteral("Dlg"));
        bool sawModal = false;
        QTimer::singleShot(0, [&] {
            sawModal = w->isVisible() && w->isModal();
            if (destroy)
                delete w.data();
            else
                w->hide();
        });
        modal::show(w);
        EXPECT_TRUE(sawModal) << destroy;
        EXPECT_EQ(w.isNull(), destroy);
        if (w) {
            EXPECT_FALSE(w->isVisible());
            EXPECT_EQ(w->windowModality(), Qt::NonModal);
            delete w.data();
        }
    }
    EXPECT_EQ(modal::shown(), (QStringList{"Dlg", "Dlg"}));
}
