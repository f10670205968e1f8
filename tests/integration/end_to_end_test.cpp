// The whole program as a child meets it: the real wiring, sound and printer, driven only by
// clicks on its widgets, from the start window through every exercise to "Esci"; and eight
// copies of it at once, each replacing sound with sound.
#include "Brivatenzo.h"
#include "Recorder.h"
#include "exercise/FinestraEsercizio.h"
#include "exercise/addition/FinestraAddizione.h"
#include "exercise/multiplication/FinestraMoltiplicazione.h"
#include "exercise/subtraction/FrmSott1.h"
#include "support/Clicks.h"
#include "support/Divisione.h"
#include "support/Esercizio.h"
#include "support/Readback.h"
#include "view/QtPrinter.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <cctype>
#include <gtest/gtest.h>

namespace {

using testing_support::Clic;
using testing_support::output;
using Work = std::function<void(exercise::FinestraEsercizio&, const Clic&)>;

// A child who never errs, typing the keypad's digit for each cell the window asks for.
template <class W> Work byDigits(std::function<int(const W&, const forms::Control&)> right) {
    return [right](exercise::FinestraEsercizio& f, const Clic& click) {
        const auto& w = dynamic_cast<const W&>(f);
        int steps = 0;
        EXPECT_EQ(testing_support::lavora(
                      f, [&](const forms::Control& c) { return right(w, c); }, false, steps, click),
                  "");
    };
}

// A division worked by hand on the window's operands: the dividend cell that ends the first
// partial dividend, then the keypad's digits.
template <class W> void divisionWork(exercise::FinestraEsercizio& f, const Clic& click) {
    using namespace testing_support::divisione;
    const auto& w = dynamic_cast<const W&>(f);
    const AMano worked = aMano(w.Dividendo, w.Divisore);
    click("TxtDividendo(" + std::to_string(worked.cella) + ")");
    for (char d : worked.cifre[kEstesa<W>])
        click(std::string("Cmd_") + d);
}

const Work kAddition = byDigits<exercise::FinestraAddizione>(
    [](const auto& w, const auto& c) { return testing_support::cifraGiusta(w, c); });
const Work kSubtraction = byDigits<exercise::FrmSott1>(
    [](const auto& w, const auto& c) { return testing_support::cifraGiusta(w, c); });
const Work kMultiplication = byDigits<exercise::FinestraMoltiplicazione>(
    [](const auto& w, const auto& c) { return testing_support::cifraGiusta(w, c); });

// Each exercise, in the order of the start window's buttons: its window, and how a child who knows
// the answer works the operation the computer draws (of the fewest digits each list offers, so that
// the run, which listens to every sound whole, stays short).
const std::tuple<const char*, const char*, Work> kExercises[] = {
    {"CmdAddizione1", "frmAdd2", kAddition},
    {"CmdAddizione2", "frmAdd3", kAddition},
    {"CmdSottrazione", "frmSott1", kSubtraction},
    {"CmdMoltiplicazione1", "frmMolt1", kMultiplication},
    {"CmdMoltiplicazione2", "frmMolt2", kMultiplication},
    {"cmdDivisione1", "frmDivEstesa", divisionWork<exercise::FrmDivEstesa>},
    {"cmdDivisione2", "frmDivCompatta", divisionWork<exercise::FrmDivCompatta>},
};

constexpr int kNone = 0;

// The ids of every job the print server knows, done or not ("brivatenzo-14": 14).
QStringList jobIds() {
    QStringList ids;
    for (const QString& line : output("lpstat", {"-W", "all", "-o"}).split('\n', Qt::SkipEmptyParts))
        ids.append(line.section(' ', 0, 0).section('-', -1));
    return ids;
}

// These tests reach the run's servers through the environment alone: without it, they fail rather
// than play or print on the desktop's.
void expectRunServers(std::initializer_list<const char*> names) {
    for (const char* name : names)
        ASSERT_FALSE(qEnvironmentVariableIsEmpty(name)) << "no " << name << " (scripts/test.sh sets it)";
}

// The page that `print` sends to the default printer, titled `job`, found among the pages the run's
// printer keeps ("14.pdf" for job 14) by its job's id, whatever else is printed meanwhile: its dark
// pixels read back at 96 dpi, and the fonts it holds (empty if none, or no page).
std::pair<int, QString> printed(const std::string& job, const std::function<void()>& print) {
    const QStringList before = jobIds();
    print();
    QStringList ours;
    for (const QString& id : jobIds())
        if (!before.contains(id)) ours.append(id);
    const QDir folder(qEnvironmentVariable("BRIVATENZO_PAGES"));
    const QRegularExpression title("^Title: *" + QRegularExpression::escape(QString::fromStdString(job)) +
                                       "$",
                                   QRegularExpression::MultilineOption);
    QString pdf;
    QElapsedTimer t;
    // A page shows under its name once written whole.
    for (t.start(); pdf.isEmpty() && t.elapsed() < 30000; QTest::qWait(100))
        for (const QString& id : ours)
            if (folder.exists(id + ".pdf") &&
                output("pdfinfo", {folder.filePath(id + ".pdf")}).contains(title))
                pdf = folder.filePath(id + ".pdf");
    EXPECT_FALSE(pdf.isEmpty()) << "no page titled " << job << " in " << folder.path().toStdString();
    if (pdf.isEmpty()) return {0, {}};
    const int dark = testing_support::ink(testing_support::pdfPage(pdf).second, [](const QColor& c) {
                         return qGray(c.rgb()) < 128;
                     }).first;
    return {dark, output("pdffonts", {pdf}).section('\n', 2)};
}

// Drives the program through its widgets, recording the null sink all along: after every press that asks for
// a sound, the sound must start, and be heard whole before the next one.
class Child {
  public:
    explicit Child(Brivatenzo& program) : program_(program) {}

    static QWidget* widget(const std::string& form, const std::string& control = "") {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QString::fromStdString(form) && w->isVisible())
                return control.empty() ? w : w->findChild<QWidget*>(QString::fromStdString(control));
        return nullptr;
    }

    // Clicks a control shown and enabled on screen; sound `sound` (kNone: no check) must follow.
    void click(const std::string& form, const std::string& control, int sound) {
        if (sound != kNone) listenToTheEnd(); // so that the new sound's start is heard
        const qsizetype from = rec_.slices();
        QWidget* w = widget(form, control);
        ASSERT_TRUE(w && w->isEnabled()) << form << " " << control;
        testing_support::clickAlone(w, Qt::LeftButton, w->rect().center());
        if (sound == kNone) return;
        onset_ = rec_.onset(from, 3000);
        EXPECT_GE(onset_, 0) << "sound " << sound << " was not heard after " << control;
        playing_ = onset_ >= 0 ? sound : kNone;
    }

    // An exercise from the start window: its guide off, an operation worked out with one wrong
    // digit, printed, a second one solved by the window, and back.
    void exercise(const char* button, const std::string& window, const Work& work) {
        SCOPED_TRACE(window);
        click("frmStart", button, 106);
        ASSERT_TRUE(widget(window) && !widget("frmStart"));
        auto& w = dynamic_cast<exercise::FinestraEsercizio&>(program_.windows().load(window));
        // The empty layout's signs, printed while the window's sound plays.
        const auto [empty, fonts] = printed(w.caption, [&] {
            EXPECT_TRUE(view::QtPrinter().print(program_.windows().load(window + "_bis"), w.caption));
        });
        EXPECT_FALSE(fonts.isEmpty()) << "the signs are text";
        click(window, "Check2", 102);
        click(window, w.Inserisci.name(), 105);
        bool erred = false;
        work(w, [&](const std::string& control) {
            if (!erred && control.starts_with("Cmd_")) // a wrong digit first, refused
                click(window, "Cmd_" + std::to_string((control.back() - '0' + 1) % 10), 103);
            erred = erred || control.starts_with("Cmd_");
            click(window, control, 104);
        });
        playing_ = playing_ == kNone ? kNone : 101; // the last right digit crowns the operation
        EXPECT_EQ(w.LblRisultato.text + w.lblFatte.text + w.lblErrori.text, "Bravissimo 1 1");
        // On a real display, BRIVATENZO_SHOTS=folder keeps a picture of the finished window.
        if (const QString shots = qEnvironmentVariable("BRIVATENZO_SHOTS"); !shots.isEmpty())
            QProcess::startDetached("import", {"-window", "root", shots + "/" + window.c_str() + ".png"});
        // On paper, while the last sound plays: more ink than the empty layout, for every digit.
        const auto digits = std::ranges::count_if(w.controls(), [](const forms::Control* c) {
            return c->kind() == forms::ControlKind::Cell && c->text.size() == 1 && std::isdigit(c->text[0]);
        });
        EXPECT_GT(printed(w.caption, [&] { click(window, "cmdStampa", kNone); }).first, empty + digits * 8)
            << digits << " digits";
        click(window, w.Inserisci.name(), 105);
        click(window, w.Soluzione.name(), 105);
        EXPECT_EQ(w.LblRisultato.text, "Fatto");
        click(window, "CmdEnd", 107);
        EXPECT_TRUE(widget("frmStart") && !widget(window));
    }

    // The whole run; "Esci" last.
    void run() {
        click("frmStart", "cmdComputer", 102);
        for (const auto& [button, window, work] : kExercises) {
            exercise(button, window, work);
            if (::testing::Test::HasFatalFailure()) return;
        }
        listenToTheEnd();
        QTest::qWait(1000); // the stream falls idle; the next sound must wake it
        click("frmStart", "cmdInfo", 102);
        click("frmInfo", "cmdOK", 107);
        EXPECT_FALSE(widget("frmInfo"));
        listenToTheEnd();
        click("frmStart", "cmdEsci", kNone);
    }

  private:
    // Listens to the sound heard last to its end, and not much more, judged on the recording's own
    // samples; with none, waits for 80 ms of recorded silence.
    void listenToTheEnd() {
        if (playing_ == kNone) {
            EXPECT_TRUE(rec_.listen(rec_.slices(), 0).ended) << "the sink never fell silent";
            return;
        }
        EXPECT_EQ(rec_.judge(playing_, onset_), "");
        playing_ = kNone;
    }

    Brivatenzo& program_;
    Recorder rec_;
    qsizetype onset_ = 0;
    int playing_ = kNone;
};

TEST(EndToEnd, EveryExerciseFromTheStartWindowThenTheAboutBoxAndEsciEndsTheProgram) {
    ASSERT_NO_FATAL_FAILURE(expectRunServers({"PULSE_SERVER", "CUPS_SERVER", "BRIVATENZO_PAGES"}));
    Brivatenzo program(BRIVATENZO_SOUND_MODULE);
    Child child(program);
    // "Esci" ends the event loop; were it not to, this ends it with another code.
    QTimer stuck;
    QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(2); });
    QTimer::singleShot(0, &stuck, [&] {
        child.run();
        stuck.start(5000);
    });
    program.start();
    EXPECT_EQ(QApplication::exec(), 0);
}

// Eight copies at once, each 20 times "dal computer", "Info", an exercise button while the about
// box is open (a new sound replaces the about box's), an operation drawn and printed (no printer
// here), and back, then "Esci": all end well.
TEST(Program, EightCopiesOpeningAnExerciseOverTheAboutBoxAllEndWell) {
    ASSERT_NO_FATAL_FAILURE(expectRunServers({"PULSE_SERVER"}));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_PLUGIN_PATH", DRIVER_PLUGIN_PATH);
    env.insert("CUPS_SERVER", "/nonexistent/cups.sock");
    std::vector<std::unique_ptr<QProcess>> copies;
    for (int i = 0; i < 8; ++i) {
        QProcess& c = *copies.emplace_back(std::make_unique<QProcess>());
        c.setProcessEnvironment(env);
        c.setProcessChannelMode(QProcess::MergedChannels);
        c.start(BRIVATENZO_PROGRAM, {"-plugin", "brivatenzo_driver:20"});
    }
    QElapsedTimer t;
    t.start();
    for (auto& c : copies) {
        const bool ended = c->waitForFinished(static_cast<int>(std::max<qint64>(1, 60000 - t.elapsed())));
        EXPECT_TRUE(ended && c->exitStatus() == QProcess::NormalExit && c->exitCode() == 0)
            << (ended ? "" : "hung ") << c->readAll().right(2000).toStdString();
        c->kill();
    }
}

} // namespace
