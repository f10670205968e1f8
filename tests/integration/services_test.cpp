#include "app/Module1.h"
#include "platform/qt/QtResources.h"
#include "platform/qt/QtSoundPlayer.h"
#include "support/Fakes.h"
#include "support/PracticeWindow.h"
#include "support/Program.h"
#include "view/FormImage.h"
#include "view/FormWindow.h"
#include "view/QtPrinter.h"
#include "view/ViewHost.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// The whole program's services, but real sound.
struct RealSound {
    platform::QtSoundPlayer sound;
    platform::QtResources resources;
    FakePrinter printer;
    ScriptedRandom random;
    FakeEnvironment environment;
    platform::Services services{sound, resources, printer, random, environment};
    forms::FormRegistry forms;
    app::Module1 m{forms, services};
};

// Peak distance from silence in a recording of unsigned 8-bit samples.
int peak(const QByteArray& raw) {
    int p = 0;
    for (char c : raw) p = std::max(p, std::abs(static_cast<unsigned char>(c) - 128));
    return p;
}

TEST(Sound, EverySoundIsAPlayableWaveOfItsRole) {
    platform::QtResources res;
    for (int n = 101; n <= 107; ++n) {
        const platform::Bytes wav = res.sound(n);
        ASSERT_GT(wav.size(), 44u) << n;
        EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF") << n;
    }
    EXPECT_TRUE(res.sound(108).empty());
}

TEST(Sound, PlaysIntoTheSoundServerAndANewSoundCutsTheOldOne) {
    QProcess rec;
    rec.start("parec", {"--device=brivatenzo_null.monitor", "--format=u8", "--channels=1", "--rate=11025",
                        "--latency-msec=20"});
    ASSERT_TRUE(rec.waitForStarted(3000)) << "parec is needed (scripts/test.sh starts PulseAudio)";
    QTest::qWait(300);
    const int before = peak(rec.readAllStandardOutput());

    RealSound s;
    s.m.Suona(app::SuonoFinito); // 2.8 s long...
    QTest::qWait(200);
    s.m.Suona(app::SuonoBravo); // ...cut off by this one
    EXPECT_EQ(s.m.BufferSuono, s.resources.sound(app::SuonoBravo));
    QTest::qWait(900);
    const int during = peak(rec.readAllStandardOutput());
    QTest::qWait(1500);
    rec.terminate();
    rec.waitForFinished(3000);
    const int after = peak(rec.readAllStandardOutput());

    EXPECT_LT(before, 4);
    EXPECT_GT(during, 30);
    EXPECT_LT(after, 4) << "the long sound went on after the short one replaced it";
}

TEST(Sound, AClickArrivingWhileASoundStartsIsHandledAfterTheHandlerOnce) {
    RealSound s;
    s.m.ChiSceglie = app::DaTe;
    s.forms.define("frmProva", [&s] { return std::make_unique<PracticeWindow>(s.m); });
    view::ViewHost host(s.forms);
    PracticeWindow* f = nullptr;
    s.forms.run([&] {
        f = &s.forms.get<PracticeWindow>("frmProva");
        f->show();
    });
    QWidget* key = host.windowOf(*f)->findChild<QWidget*>("Cmd_7");
    const QPointF at(5, 5);
    const QPointF global = key->mapToGlobal(at);

    s.forms.run([&] {
        // A click queued while the handler runs...
        QCoreApplication::postEvent(key, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                                         Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(key, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                                         Qt::NoButton, Qt::NoModifier));
        f->txtFattori_Click(1); // plays sound 102
        // ...is not handled inside it.
        EXPECT_EQ(f->txtFattori[0].text, "");
        EXPECT_EQ(f->txtFattori[1].text, "");
    });
    QCoreApplication::processEvents();
    EXPECT_EQ(f->txtFattori[1].text, "7");
    EXPECT_EQ(f->txtFattori[0].text, "");
}

// The newest PDF that CUPS-PDF wrote after `since`.
QString waitForPdf(const QDateTime& since) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 30000) {
        const QFileInfoList pdfs =
            QDir(QDir::homePath() + "/PDF").entryInfoList({"*.pdf"}, QDir::Files, QDir::Time);
        if (!pdfs.isEmpty() && pdfs.first().lastModified() >= since && pdfs.first().size() > 0) {
            QTest::qWait(300); // let the writer finish
            return pdfs.first().absoluteFilePath();
        }
        QTest::qWait(100);
    }
    return {};
}

TEST(Printing, APagePrintedOnTheDefaultPrinterCarriesTheLayoutsImage) {
    Program p;
    p.forms.define("frmProva", [&p] { return std::make_unique<PracticeWindow>(p.m); });
    auto& f = p.open<PracticeWindow>("frmProva");
    f.backColor = 0xFFFFFF;
    f.Cella[0].text = "8";
    f.Cella[0].withFont(72, true);

    const QDateTime since = QDateTime::currentDateTime().addSecs(-1);
    view::QtPrinter printer;
    ASSERT_TRUE(printer.print(f)) << "needs CUPS with a default printer (scripts/test.sh sets one up)";
    const QString pdf = waitForPdf(since);
    ASSERT_FALSE(pdf.isEmpty());

    QProcess::execute("pdftoppm", {"-r", "48", "-png", "-singlefile", pdf, "/tmp/brivatenzo-page"});
    const QImage page("/tmp/brivatenzo-page.png");
    ASSERT_FALSE(page.isNull());
    int dark = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) dark += qGray(page.pixel(x, y)) < 128;
    EXPECT_GT(dark, 50) << "the page should show the cell's digit and the window's controls";
}

} // namespace
