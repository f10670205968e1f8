#include "app/FrmInfo.h"
#include "app/FrmStart.h"
#include "support/PracticeWindow.h"
#include "view/ControlWidgets.h"
#include "view/FormWindow.h"
#include "view/OnScreen.h"
#include "view/ViewHost.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

using testing_support::PracticeWindow;
using testing_support::Program;

namespace {

TEST_F(OnScreen, EveryControlIsAWidgetNamedAfterIt) {
    auto& f = openPractice(app::DaTe);
    for (const char* name : {"txtFattori(0)", "txtFattori(1)", "CmbNPA", "CmbNSA", "Cmd_0", "Cmd_9",
                             "CmdRisolvi", "backspace", "CmdSomma", "CmdEnd", "CmdVai", "Check2", "Image2",
                             "LblRisultato", "mano(0)", "Frame1", "Cella(0)"})
        EXPECT_NE(widget(f, name), nullptr) << name;
    // The keypad lies in its frame, the delete key over the solution button.
    EXPECT_EQ(widget(f, "Cmd_7")->parentWidget(), widget(f, "Frame1"));
    EXPECT_EQ(widget(f, "Cmd_7")->geometry(), QRect(8, 16, 33, 33));
    EXPECT_EQ(widget(f, "backspace")->mapTo(host.windowOf(f), QPoint(0, 0)),
              widget(f, "CmdRisolvi")->mapTo(host.windowOf(f), QPoint(0, 0)));
    EXPECT_EQ(host.windowOf(f)->size(), QSize(634, 454));
}

TEST_F(OnScreen, WindowStaysOnTopAndCannotBeClosedFromTheTitleBar) {
    auto& f = openPractice(app::DaTe);
    view::FormWindow* w = host.windowOf(f);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(p.forms.isLoaded("frmProva"));
}

TEST_F(OnScreen, ACheckBoxClickTicksItAndRunsItsHandler) {
    auto& f = openPractice(app::DaTe);
    ASSERT_TRUE(f.Check2.checked);
    QTest::mouseClick(widget(f, "Check2"), Qt::LeftButton);
    EXPECT_FALSE(f.Check2.checked);
    EXPECT_EQ(p.sound.played, std::vector<int>{app::SuonoClic}); // the guide switch's own sound
}

TEST_F(OnScreen, KeypadClickReachesTheFormAndTheBoxShowsIt) {
    auto& f = openPractice(app::DaTe);
    QTest::mouseClick(widget(f, "Cmd_7"), Qt::LeftButton);
    EXPECT_EQ(f.txtFattori[0].text, "7");
    EXPECT_TRUE(f.mano[0].visible);
    EXPECT_TRUE(widget(f, "mano(0)")->isVisible());
    EXPECT_EQ(f.focus(), &f.txtFattori[0]);
}

TEST_F(OnScreen, KeyboardChangesNothingInAnExerciseWindow) {
    auto& f = openPractice(app::DaTe);
    f.txtFattori[0].text = "12";
    for (const char* target : {"txtFattori(0)", "CmbNPA", "Cmd_5", "CmdVai"}) {
        QWidget* w = widget(f, target);
        w->setFocus();
        QTest::keyClicks(w, "34");
        QTest::keyClick(w, Qt::Key_Space);
        QTest::keyClick(w, Qt::Key_Return);
        QTest::keyClick(w, Qt::Key_Backspace);
        QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier); // paste
        QTest::keyClick(w, Qt::Key_Down);
    }
    EXPECT_EQ(f.txtFattori[0].text, "12");
    EXPECT_EQ(f.lista(0).listIndex, -1);
    EXPECT_TRUE(f.scritte.empty());
    EXPECT_TRUE(p.sound.played.empty());
}

TEST_F(OnScreen, EntryBoxTakesNoPasteDropOrContextMenu) {
    auto& f = openPractice(app::DaTe);
    f.txtFattori[1].text = "5";
    QWidget* box = widget(f, "txtFattori(1)");
    EXPECT_EQ(box->contextMenuPolicy(), Qt::NoContextMenu);
    EXPECT_FALSE(box->acceptDrops());
    QTest::mouseClick(box, Qt::MiddleButton); // X11's paste
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(f.txtFattori[1].text, "5");
}

TEST_F(OnScreen, WheelOverAClosedListChangesNothing) {
    auto& f = openPractice(app::DalComputer);
    auto* list = widget<QComboBox>(f, "CmbNSA");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->currentIndex(), 0);
    for (int delta : {-120, 120, -120, -120}) {
        QWheelEvent wheel(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &wheel);
    }
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(f.lista(1).listIndex, 0);
    EXPECT_EQ(f.Casella, 0);
}

TEST_F(OnScreen, OpeningAListRunsItsDropDownHandlerAndChoosingRunsItsClick) {
    auto& f = openPractice(app::DalComputer);
    auto* list = widget<QComboBox>(f, "CmbNSA");
    list->showPopup();
    EXPECT_EQ(f.Casella, 1);
    EXPECT_TRUE(f.mano[1].visible);
    EXPECT_EQ(p.sound.played, std::vector<int>{app::SuonoClic});
    // Typed keys go nowhere, also in the open list.
    QWidget* popup = list->view()->window();
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(f.lista(1).listIndex, 0);
    list->hidePopup();
    emit list->activated(2);
    EXPECT_EQ(f.lista(1).listIndex, 2);
    EXPECT_EQ(f.lista(1).listText(), "3");
}

TEST_F(OnScreen, AnyMouseButtonOnAChoiceButtonChooses) {
    app::FrmStart* start = nullptr;
    p.event([&] {
        start = &p.open<app::FrmStart>("frmStart");
        start->show();
    });
    QTest::mousePress(widget(*start, "cmdComputer"), Qt::RightButton);
    EXPECT_EQ(p.m.ChiSceglie, app::DalComputer);
    EXPECT_TRUE(widget(*start, "CmdAddizione1")->isVisible());
    EXPECT_TRUE(widget(*start, "Image2")->isVisible());
    EXPECT_FALSE(widget(*start, "Image1")->isVisible());
}

TEST_F(OnScreen, TheKeyboardOnAFocusedChoiceButtonChoosesNothing) {
    app::FrmStart* start = nullptr;
    p.event([&] {
        start = &p.open<app::FrmStart>("frmStart");
        start->show();
    });
    QWidget* te = widget(*start, "cmdTe");
    QTest::mouseMove(te); // focus follows the mouse
    EXPECT_EQ(start->focus(), &start->cmdTe);
    te->setFocus();
    QTest::keyClick(te, Qt::Key_Space);
    QTest::keyClick(te, Qt::Key_Return);
    EXPECT_EQ(p.m.ChiSceglie, app::InEsecuzione);
    EXPECT_FALSE(start->CmdAddizione1.visible);
}

TEST_F(OnScreen, AboutBoxClosesOnceWhetherByOkOrByTheStartWindowAndNotFromTheTitleBar) {
    app::FrmStart* start = nullptr;
    p.event([&] {
        start = &p.open<app::FrmStart>("frmStart");
        start->show();
    });
    view::FormWindow* startWindow = host.windowOf(*start);
    EXPECT_FALSE(startWindow->close());

    for (bool byOk : {true, false}) {
        QTest::mouseClick(widget(*start, "cmdInfo"), Qt::LeftButton);
        ASSERT_TRUE(p.forms.isLoaded("frmInfo"));
        auto& info = p.forms.get<app::FrmInfo>("frmInfo");
        view::FormWindow* box = host.windowOf(info);
        ASSERT_NE(box, nullptr);
        EXPECT_LE((box->geometry().center() - startWindow->geometry().center()).manhattanLength(), 2);
        EXPECT_FALSE(box->close());
        ASSERT_TRUE(p.forms.isLoaded("frmInfo"));
        p.sound.played.clear();
        if (byOk) {
            QTest::mouseClick(widget(info, "cmdOK"), Qt::LeftButton);
        } else {
            QApplication::setActiveWindow(box);
            QCoreApplication::processEvents();
            QApplication::setActiveWindow(startWindow);
        }
        QCoreApplication::processEvents();
        EXPECT_FALSE(p.forms.isLoaded("frmInfo")) << byOk;
        EXPECT_EQ(p.sound.played, std::vector<int>{app::SuonoUscita}) << byOk;
        EXPECT_TRUE(start->isVisible());
    }

    // Another program's window taking the focus leaves the box open.
    QTest::mouseClick(widget(*start, "cmdInfo"), Qt::LeftButton);
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QCoreApplication::processEvents();
    EXPECT_TRUE(p.forms.isLoaded("frmInfo"));
}

TEST_F(OnScreen, EndButtonGoesBackToTheStartWindowAndTheWindowIsDeletedLater) {
    app::FrmStart* start = nullptr;
    p.event([&] { start = &p.open<app::FrmStart>("frmStart"); });
    auto& f = openPractice(app::DaTe);
    QPointer<view::FormWindow> w = host.windowOf(f);
    QWidget* key = widget(f, "Cmd_7");
    QWidget* box = widget(f, "txtFattori(0)");
    auto* list = widget<QComboBox>(f, "CmbNPA");
    QTest::mouseClick(widget(f, "CmdEnd"), Qt::LeftButton);
    // Clicks, keys and list presses still on their way to the closed window go nowhere.
    QTest::mouseClick(key, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_5);
    list->showPopup();
    EXPECT_FALSE(list->view()->isVisible());
    EXPECT_FALSE(p.forms.isLoaded("frmProva"));
    EXPECT_TRUE(start->isVisible());
    EXPECT_TRUE(host.windowOf(*start)->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

} // namespace
