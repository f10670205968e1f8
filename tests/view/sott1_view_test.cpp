#include "exercise/subtraction/FrmSott1.h"
#include "support/Esercizio.h"
#include "view/FormWindow.h"
#include "view/ViewHost.h"

#include <gtest/gtest.h>

// The borrow cell being written shows a caret after its text, in the cell's red, only while
// it is the current cell.
TEST(Sott1OnScreen, TheBorrowCellBeingWrittenShowsItsCaret) {
    testing_support::Program p;
    view::ViewHost host{p.forms};
    p.m.ChiSceglie = app::DaTe;
    exercise::FrmSott1* f = nullptr;
    p.event([&] { (f = &p.open<exercise::FrmSott1>("frmSott1"))->show(); });
    ASSERT_TRUE(testing_support::premi(p, *f, "txtFattori(0) 52 txtFattori(1) 7 CmdInserisci 4 1"));
    QWidget* cella = host.windowOf(*f)->findChild<QWidget*>("TxtPrestito(0)");
    auto rossiADestra = [&] { // right of the lone 1, centred in the cell
        const QImage img = cella->grab().toImage();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = img.width() / 2 + 4; x < img.width() - 4; ++x)
                n += img.pixelColor(x, y) == QColor(0xFF, 0, 0);
        return n;
    };
    EXPECT_GT(rossiADestra(), 10);
    p.event([&] { f->setFocus(f->TxtDifferenza[0]); });
    EXPECT_EQ(rossiADestra(), 0);
}
