#include "view/OnScreen.h"

#include <QAbstractItemView>
#include <QWheelEvent>

namespace {

// The window is built as its form says, stays on top and has no close command. Keys, paste, a
// middle click and the wheel change nothing in it, also in an open list; the mouse opens a list
// (its DropDown handler). Once "Fine" has closed it, clicks, keys
// and list presses still on their way go nowhere, and its widgets are deleted later.
TEST_F(OnScreen, AnExerciseWindowTakesOnlyTheMouseWhileItIsOpen) {
    forms::Form* start = nullptr;
    p.event([&] { start = &p.forms.load("frmStart"); });
    auto& f = static_cast<testing_support::PracticeWindow&>(openWindow("frmProva", app::DaTe));
    QPointer<view::FormWindow> w = host.windowOf(f);
    EXPECT_EQ(widget(f, "Cmd_7")->geometry(), QRect(8, 16, 33, 33)); // in the keypad's frame
    EXPECT_EQ(widget(f, "backspace")->mapTo(w, QPoint()), widget(f, "CmdRisolvi")->mapTo(w, QPoint()));
    EXPECT_EQ(w->size(), QSize(634, 454));
    EXPECT_EQ(w->windowFlags() & (Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint),
              Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(w->close());

    f.txtFattori[0].text = "12";
    QWidget* box = widget(f, "txtFattori(0)");
    auto* list = widget<QComboBox>(f, "CmbNSA");
    for (QWidget* target : {box, widget(f, "CmbNPA"), widget(f, "Cmd_5"), widget(f, "CmdVai")}) {
        target->setFocus();
        QTest::keyClicks(target, "34");
        for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Down})
            QTest::keyClick(target, key);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_Insert, Qt::ShiftModifier);
    }
    QTest::mouseClick(box, Qt::MiddleButton); // X11's paste
    for (int delta : {-120, 120, -120}) {
        QWheelEvent wheel(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &wheel);
    }
    EXPECT_EQ(f.txtFattori[0].text, "12");
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(f.Casella, 0);
    EXPECT_TRUE(f.scritte.empty() && p.sound.played.empty());
    list->showPopup();
    EXPECT_EQ(f.Casella, 1);
    EXPECT_EQ(p.sound.played, std::vector<int>{102});
    QTest::keyClick(list->view()->window(), Qt::Key_Down);
    QTest::keyClick(list->view()->window(), Qt::Key_Return);
    EXPECT_EQ(f.lista(1).listIndex, -1);
    list->hidePopup();

    QWidget* key = widget(f, "Cmd_7");
    QTest::mouseClick(widget(f, "CmdEnd"), Qt::LeftButton);
    QTest::mouseClick(key, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_5);
    list->showPopup();
    EXPECT_FALSE(list->view()->isVisible());
    EXPECT_FALSE(p.forms.isLoaded("frmProva"));
    EXPECT_TRUE(start->isVisible() && host.windowOf(*start)->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

// The about box closes once, with one sound, by "OK" or by going back to the start window; not
// from its title bar, nor when another program's window takes the focus. A choice button
// chooses with any mouse button, never with the keyboard, also once the mouse gave it the focus.
TEST_F(OnScreen, TheStartWindowsAboutBoxAndChoiceButtons) {
    forms::Form& start = openWindow("frmStart", app::InEsecuzione);
    for (bool byOk : {true, false}) {
        QTest::mouseClick(widget(start, "cmdInfo"), Qt::LeftButton);
        ASSERT_TRUE(p.forms.isLoaded("frmInfo"));
        forms::Form& info = p.forms.load("frmInfo");
        EXPECT_FALSE(host.windowOf(info)->close());
        p.sound.played.clear();
        if (byOk) {
            QTest::mouseClick(widget(info, "cmdOK"), Qt::LeftButton);
        } else {
            QApplication::setActiveWindow(host.windowOf(info));
            QCoreApplication::processEvents();
            QApplication::setActiveWindow(host.windowOf(start));
        }
        QCoreApplication::processEvents();
        EXPECT_FALSE(p.forms.isLoaded("frmInfo")) << byOk;
        EXPECT_EQ(p.sound.played, std::vector<int>{107}) << byOk;
    }
    QTest::mouseClick(widget(start, "cmdInfo"), Qt::LeftButton);
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QCoreApplication::processEvents();
    EXPECT_TRUE(p.forms.isLoaded("frmInfo"));

    QWidget* te = widget(start, "cmdTe");
    QTest::mouseMove(te);
    EXPECT_EQ(start.focus(), start.find("cmdTe"));
    te->setFocus();
    QTest::keyClick(te, Qt::Key_Space);
    QTest::keyClick(te, Qt::Key_Return);
    EXPECT_EQ(p.m.ChiSceglie, app::InEsecuzione);
    QTest::mousePress(widget(start, "cmdComputer"), Qt::RightButton);
    EXPECT_EQ(p.m.ChiSceglie, app::DalComputer);
    EXPECT_TRUE(widget(start, "CmdAddizione1")->isVisible());
}

} // namespace
