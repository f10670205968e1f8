// What a child sees and hears of the real windows and services: timers that stop, greyed
// buttons that take no click, bars drawn at their length, sounds and version as built in.
#include "app/FrmStart.h"
#include "exercise/addition/FrmAdd2.h"
#include "exercise/addition/FrmAdd2Bis.h"
#include "exercise/division_compact/FrmDivCompatta.h"
#include "platform/Wav.h"
#include "platform/qt/QtEnvironment.h"
#include "platform/qt/QtResources.h"
#include "support/Program.h"
#include "view/FormImage.h"
#include "view/FormWindow.h"
#include "view/ViewHost.h"

#include <QFileInfo>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

using testing_support::Program;

namespace {

struct Screen : ::testing::Test {
    Program p;
    view::ViewHost host{p.forms};

    template <class T> T& show(const char* name, int chi = app::DaTe) {
        p.m.ChiSceglie = chi;
        T* f = nullptr;
        p.event([&] {
            f = &p.open<T>(name);
            f->show();
        });
        return *f;
    }
    QWidget* widget(const forms::Form& f, const char* name) {
        return host.windowOf(f)->findChild<QWidget*>(name);
    }
    // What each widget showed during ms milliseconds: '+' always, '-' never, '~' both.
    std::string seen(std::vector<std::pair<const forms::Form*, const char*>> widgets, int ms) {
        std::string on(widgets.size(), '?');
        for (int t = 0; t <= ms; t += 50, QTest::qWait(50))
            for (std::size_t i = 0; i < widgets.size(); ++i) {
                const char v = widget(*widgets[i].first, widgets[i].second)->isVisible() ? '+' : '-';
                on[i] = on[i] == '?' || on[i] == v ? v : '~';
            }
        return on;
    }
};

// A dark run on row y from about x0 to about x1 (a pixel either way for the pen), and no more.
::testing::AssertionResult bar(const QImage& image, int y, int x0, int x1) {
    std::vector<int> xs;
    for (int x = std::max(0, x0 - 8); x <= std::min(image.width() - 1, x1 + 8); ++x)
        if (image.pixelColor(x, y).lightness() < 80) xs.push_back(x);
    if (!xs.empty() && std::abs(xs.front() - x0) <= 1 && std::abs(xs.back() - x1) <= 1 &&
        int(xs.size()) == xs.back() - xs.front() + 1)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << xs.size() << " dark pixels on row " << y << " from " << (xs.empty() ? -1 : xs.front()) << " to "
           << (xs.empty() ? -1 : xs.back());
}

// The hands take turns, and blink, until the choice and a left click on a box stop them for
// good. "Stampa" before any operation: grey and deaf to the mouse; with 47 + 38 on the board,
// lit and printing, the bar from the hundreds' column to the signs under the second addend
// (y 3480 twips, 232 px) and the counters' separator drawn; on paper the bar spans five columns.
// Wherever the start window has been moved, the about box opens centred on it. Only the left
// button clicks an entry box or a board cell.
TEST_F(Screen, WhatTheChildSeesAndDoes) {
    auto& start = show<app::FrmStart>("frmStart");
    auto& add = show<exercise::FrmAdd2>("frmAdd2");
    QWidget* stampa = widget(add, "cmdStampa");
    const QImage spento = stampa->grab().toImage();
    QTest::mouseClick(stampa, Qt::LeftButton);
    for (const Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton})
        QTest::mouseClick(widget(add, "txtFattori(1)"), b);
    EXPECT_TRUE(p.printer.pages.empty() && p.sound.played.empty() && add.Casella == 0);
    const std::vector<std::pair<const forms::Form*, const char*>> mani = {
        {&start, "Image1"}, {&start, "Image2"}, {&add, "mano(0)"}, {&add, "mano(1)"}};
    EXPECT_EQ(seen(mani, 1100), "~~~-");
    QTest::mousePress(widget(start, "cmdTe"), Qt::LeftButton);
    QTest::mouseClick(widget(add, "txtFattori(1)"), Qt::LeftButton);
    EXPECT_EQ(seen(mani, 1100), "+--+");
    add.txtFattori[0].text = "47";
    add.txtFattori[1].text = "38";
    ASSERT_TRUE(p.click(add, "CmdVai"));
    EXPECT_NE(stampa->grab().toImage(), spento);
    QTest::mouseClick(stampa, Qt::LeftButton);
    EXPECT_EQ(p.printer.pages.size(), 1u);
    const QImage screen = host.windowOf(add)->grab().toImage();
    EXPECT_TRUE(bar(screen, 232, 296, 416));
    EXPECT_TRUE(bar(screen, 40, 476, 604));
    exercise::FrmAdd2Bis carta;
    EXPECT_TRUE(bar(view::renderForm(carta), 232, 208, 408));

    view::FormWindow* finestra = host.windowOf(start);
    finestra->move(finestra->pos() / 3);
    QTest::mouseClick(widget(start, "cmdInfo"), Qt::LeftButton);
    const QWidget* info = host.windowOf(p.forms.load("frmInfo"));
    EXPECT_LE((info->geometry().center() - finestra->geometry().center()).manhattanLength(), 2);

    auto& div = show<exercise::FrmDivCompatta>("frmDivCompatta", app::DalComputer);
    p.random.script = {845, 23};
    ASSERT_TRUE(p.click(div, "CmdInserisci"));
    p.sound.played.clear();
    QTest::mouseClick(widget(div, "TxtDividendo(2)"), Qt::RightButton);
    QTest::mouseClick(widget(div, "TxtDividendo(2)"), Qt::MiddleButton);
    EXPECT_TRUE(div.TastierinoAttivo == 0 && p.sound.played.empty());
    QTest::mouseClick(widget(div, "TxtDividendo(2)"), Qt::LeftButton);
    EXPECT_EQ(div.TastierinoAttivo, 1);
}

// The seven sounds as built into the program: their rates and lengths in samples.
TEST(BuiltIn, SoundsByNumberVersionAndFolder) {
    platform::QtResources resources;
    std::string suoni;
    for (int n = 101; n <= 108; ++n) {
        const auto info = platform::parseWav(resources.sound(n));
        suoni += info ? std::to_string(info->sampleRate) + "/" + std::to_string(info->dataSize) + "/" +
                            std::to_string(info->channels * info->bitsPerSample) + " "
                      : std::to_string(resources.sound(n).size()) + " ";
    }
    EXPECT_EQ(suoni, "11025/30720/8 11025/1295/8 11025/6207/8 22050/11376/8 11025/12557/8 22254/26665/8 "
                     "20000/371/8 0 ");
    platform::QtEnvironment env;
    const platform::Version v = env.version();
    EXPECT_EQ(std::to_string(v.major) + "." + std::to_string(v.minor) + "." + std::to_string(v.revision),
              "4.2.0");
    EXPECT_EQ(env.programFolder(),
              QFileInfo("/proc/self/exe").symLinkTarget().section('/', 0, -2).toStdString());
}

} // namespace
