// The whole program as a child meets it: the real wiring, sound and printer, driven only
// by clicks on its widgets, from the start window through every exercise to "Esci".
#include "Brivatenzo.h"
#include "exercise/FinestraEsercizio.h"
#include "exercise/addition/Addizione.h"
#include "exercise/multiplication/FinestraMoltiplicazione.h"
#include "exercise/multiplication/Moltiplicazione.h"
#include "exercise/subtraction/Sottrazione.h"
#include "integration/RealServices.h"
#include "support/Divisione.h"
#include "support/Esercizio.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cctype>
#include <functional>
#include <gtest/gtest.h>
#include <numeric>

using namespace real_services;

namespace {

// One exercise window, as the run goes through it.
struct Exercise {
    const char* button; // on the start window
    const char* window;
    const char* layout;         // its print layout
    std::vector<int> listItems; // the item chosen in each digit-count list ("1" is item 0)
    // A child who never errs works the operation on the board to its end, clicking each
    // control through `click`; the first fault, or "".
    std::function<std::string(exercise::FinestraEsercizio&, const testing_support::Clic& click)> work;
    // The board shows the operation's true result.
    std::function<bool(const forms::Form&)> solved;
};

// The keypad's digit for each cell the window asks for.
std::string workByDigits(exercise::FinestraEsercizio& w, const testing_support::Risposta& right,
                         const testing_support::Clic& click) {
    int steps = 0;
    return testing_support::lavora(w, right, false, steps, click);
}

std::string additionWork(exercise::FinestraEsercizio& f, const testing_support::Clic& click) {
    const auto& w = dynamic_cast<const exercise::FinestraAddizione&>(f);
    return workByDigits(
        f, [&w](const forms::Control&) { return addizione_test::cifraGiusta(w, w.Addendi); }, click);
}

bool additionSolved(const forms::Form& f) {
    const auto& w = dynamic_cast<const exercise::FinestraAddizione&>(f);
    const std::string sum = std::to_string(std::accumulate(w.Addendi.begin(), w.Addendi.end(), 0L));
    return addizione_test::riga(w.TxtSomma) == std::string(5 - sum.size(), '.') + sum;
}

std::string multiplicationWork(exercise::FinestraEsercizio& f, const testing_support::Clic& click) {
    const auto& w = dynamic_cast<const exercise::FinestraMoltiplicazione&>(f);
    return workByDigits(
        f,
        [&w](const forms::Control& cell) {
            return molt_test::cifraGiusta(w.PrimoFattore, w.SecondoFattore, cell);
        },
        click);
}

// The product, in the board's last row of cells.
bool multiplicationSolved(const forms::Form& f) {
    const auto& w = dynamic_cast<const exercise::FinestraMoltiplicazione&>(f);
    std::string row, product;
    for (const forms::Control* c : f.controls()) {
        if (c->kind() != forms::ControlKind::Cell) continue;
        const std::string name = c->name().substr(0, c->name().find('('));
        if (name != row) product.clear();
        row = name;
        product.insert(0, c->text); // cell 0 is the units
    }
    return product == std::to_string(w.PrimoFattore * w.SecondoFattore);
}

// A division worked by hand on the window's operands: the dividend cell that ends the first
// partial dividend, then the keypad's digits.
template <class W>
std::string divisionWork(exercise::FinestraEsercizio& f, const testing_support::Clic& click) {
    using namespace testing_support::divisione;
    const auto& w = dynamic_cast<const W&>(f);
    const AMano worked = aMano(w.Dividendo, w.Divisore);
    click("TxtDividendo(" + std::to_string(worked.cella) + ")");
    for (char d : worked.cifre[kEstesa<W>])
        click(std::string("Cmd_") + d);
    return "";
}

// The quotient's digits, and the remainder in the remainder row of the last step.
template <class W> bool divisionSolved(const forms::Form& f) {
    using namespace testing_support::divisione;
    const auto& w = dynamic_cast<const W&>(f);
    const auto steps = static_cast<int>(aMano(w.Dividendo, w.Divisore).passi.size());
    std::string shown = riga(w.TxtQuoziente) + ":" + riga(w.txtResto(steps));
    std::erase(shown, '.');
    return shown == std::to_string(w.Dividendo / w.Divisore) + ":" + std::to_string(w.Dividendo % w.Divisore);
}

std::string subtractionWork(exercise::FinestraEsercizio& f, const testing_support::Clic& click) {
    const auto& w = dynamic_cast<const exercise::FrmSott1&>(f);
    return workByDigits(
        f, [&w](const forms::Control& cell) { return sott1_test::giusta(w, cell, w.Minuendo, w.Sottraendo); },
        click);
}

// The difference's digits, leading zeros and all.
bool subtractionSolved(const forms::Form& f) {
    const auto& w = dynamic_cast<const exercise::FrmSott1&>(f);
    std::string digits;
    for (int c = w.TxtDifferenza.size() - 1; c >= 0; --c)
        digits += w.TxtDifferenza[c].text;
    return !digits.empty() && std::stol(digits) == w.Minuendo - w.Sottraendo;
}

// In the order of the start window's buttons. Short operations: every sound is listened to
// whole, so the run lasts as long as the sounds its presses ask for.
const Exercise kExercises[] = {
    // clang-format off
    {"CmdAddizione1",       "frmAdd2",        "frmAdd2_bis",        {1, 0},    additionWork,                           additionSolved},
    {"CmdAddizione2",       "frmAdd3",        "frmAdd3_bis",        {1, 0, 0}, additionWork,                           additionSolved},
    {"CmdSottrazione",      "frmSott1",       "frmSott1_bis",       {1, 0},    subtractionWork,                        subtractionSolved},
    {"CmdMoltiplicazione1", "frmMolt1",       "frmMolt1_bis",       {1, 0},    multiplicationWork,                     multiplicationSolved},
    {"CmdMoltiplicazione2", "frmMolt2",       "frmMolt2_bis",       {0, 0},    multiplicationWork,                     multiplicationSolved},
    {"cmdDivisione1",       "frmDivEstesa",   "frmDivEstesa_bis",   {0, 0},    divisionWork<exercise::FrmDivEstesa>,   divisionSolved<exercise::FrmDivEstesa>},
    {"cmdDivisione2",       "frmDivCompatta", "frmDivCompatta_bis", {0, 0},    divisionWork<exercise::FrmDivCompatta>, divisionSolved<exercise::FrmDivCompatta>},
    // clang-format on
};

// Pages are read back at this resolution: a digit leaves some 20 (the long division's small
// print) to 100 dark pixels.
constexpr int kDpi = 96;

// The program's sounds, by number.
constexpr int kNone = 0, kFinished = 101, kClick = 102, kRight = 104, kReady = 105, kOpened = 106,
              kLeft = 107;

// Drives the program through its widgets, listening to the null sink after every press.
class Child {
  public:
    Child(Brivatenzo& program, SinkRecorder& sink) : program_(program), sink_(sink) {}

    // The window on screen named after form `name`.
    static QWidget* window(const std::string& name) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QString::fromStdString(name) && w->isVisible()) return w;
        return nullptr;
    }
    static QWidget* widget(const std::string& form, const std::string& control) {
        QWidget* w = window(form);
        return w == nullptr ? nullptr : w->findChild<QWidget*>(QString::fromStdString(control));
    }
    forms::Form& form(const std::string& name) { return program_.windows().load(name); }

    // Clicks a control shown and enabled on screen, and checks that sound `sound` (kNone: no
    // check) is then heard. Waits for silence first, so that the new sound's start is heard.
    void click(const std::string& form, const std::string& control, int sound) {
        press(sound, [&] {
            QWidget* w = widget(form, control);
            ASSERT_TRUE(w && w->isVisible() && w->isEnabled()) << form << " " << control;
            QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
        });
    }

    // Opens a drop-down list with the mouse and clicks its item `item`.
    void choose(const std::string& form, const std::string& list, int item) {
        auto* combo = qobject_cast<QComboBox*>(widget(form, list));
        ASSERT_TRUE(combo && combo->isEnabled()) << form << " " << list;
        QElapsedTimer open;
        open.start();
        click(form, list, kClick);
        QAbstractItemView* items = combo->view();
        ASSERT_TRUE(items->isVisible()) << list << " did not open";
        // A release this soon after the opening press would be taken as that click's.
        listenToTheEnd();
        QTest::qWait(std::max(0, QApplication::doubleClickInterval() - static_cast<int>(open.elapsed())));
        // The pointer moves over the list to the item (its rectangle can be wider than the list);
        // a release where the opening press was does not choose.
        const auto row = [items](int i) {
            return QPoint(items->viewport()->width() / 2,
                          items->visualRect(items->model()->index(i, 0)).center().y());
        };
        QTest::mouseMove(items->viewport(), QPoint(1, 1));
        QTest::qWait(50); // on a real display the pointer's moves arrive apart, not merged
        QTest::mouseMove(items->viewport(), row(item));
        QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, row(item));
        EXPECT_EQ(combo->currentIndex(), item) << list;
        EXPECT_FALSE(items->isVisible()) << list;
    }

    void exercise(const Exercise& e) {
        SCOPED_TRACE(e.window);
        click("frmStart", e.button, kOpened);
        ASSERT_NE(window(e.window), nullptr);
        ASSERT_EQ(window("frmStart"), nullptr);
        auto& w = dynamic_cast<exercise::FinestraEsercizio&>(form(e.window));
        // The empty layout's signs, printed while the window's sound plays.
        const QImage empty = printedPage(form(e.layout), kDpi);
        click(e.window, "Check2", kClick); // the guide off: the operation counts
        ASSERT_FALSE(w.Check2.checked);
        for (std::size_t i = 0; i < e.listItems.size(); ++i)
            choose(e.window, w.liste[i]->name(), e.listItems[i]);
        click(e.window, w.Inserisci.name(), kReady);

        // The child works it out: every right answer is praised, the last one crowned.
        EXPECT_EQ(e.work(w, [&](const std::string& control) { click(e.window, control, kRight); }), "");
        heardAs(kFinished);
        EXPECT_TRUE(e.solved(w));
        EXPECT_EQ(w.LblRisultato.text, "Bravissimo");
        EXPECT_EQ(w.lblFatte.text, " 1");
        EXPECT_EQ(w.lblErrori.text, " 0");
        // On a real display, BRIVATENZO_SHOTS=folder keeps a picture of the finished window.
        if (const QString shots = qEnvironmentVariable("BRIVATENZO_SHOTS"); !shots.isEmpty())
            QProcess::startDetached("import", {"-window", "root", shots + "/" + e.window + ".png"});

        // On paper, while the last sound plays: more ink than the empty layout, for every digit.
        int digits = 0;
        for (const forms::Control* c : w.controls())
            digits +=
                c->kind() == forms::ControlKind::Cell && c->text.size() == 1 && std::isdigit(c->text[0]);
        const QImage page = printedPage([&] { click(e.window, "cmdStampa", kNone); }, kDpi);
        ASSERT_FALSE(empty.isNull() || page.isNull());
        EXPECT_GT(darkPixels(page), darkPixels(empty) + digits * 8) << digits << " digits";

        // A second operation, solved by the window.
        click(e.window, w.Inserisci.name(), kReady);
        EXPECT_FALSE(e.solved(w));
        click(e.window, w.Soluzione.name(), kReady);
        EXPECT_TRUE(e.solved(w));
        EXPECT_EQ(w.LblRisultato.text, "Fatto");

        click(e.window, "CmdEnd", kLeft);
        EXPECT_EQ(window(e.window), nullptr);
        EXPECT_NE(window("frmStart"), nullptr);
    }

    // The whole run; "Esci" last.
    void run() {
        ASSERT_NE(window("frmStart"), nullptr);
        click("frmStart", "cmdComputer", kClick);
        for (const Exercise& e : kExercises) {
            exercise(e);
            if (::testing::Test::HasFatalFailure()) return;
        }
        click("frmStart", "cmdInfo", kClick);
        ASSERT_NE(window("frmInfo"), nullptr);
        click("frmInfo", "cmdOK", kLeft);
        EXPECT_EQ(window("frmInfo"), nullptr);
        listenToTheEnd();
        click("frmStart", "cmdEsci", kNone);
    }

  private:
    // Presses; a press that asks for sound `sound` waits for silence first, so that the new
    // sound's start can be heard, and checks that the one before was heard whole.
    void press(int sound, const std::function<void()>& pressing) {
        if (sound != kNone) listenToTheEnd();
        const qsizetype from = sink_.slices();
        pressing();
        if (sound == kNone) return;
        onset_ = sink_.waitForSound(from, 3000);
        EXPECT_GE(onset_, 0) << "sound " << sound << " was not heard";
        if (onset_ >= 0) playing_ = sound;
    }
    // Waits for silence (longer than any pause inside a sound, 60 ms at most); the sound
    // heard last was heard whole.
    void listenToTheEnd() {
        const std::optional<qsizetype> last = sink_.waitForQuiet(80, 5000);
        ASSERT_TRUE(last) << "the sink never fell silent";
        if (playing_ != kNone) {
            const int heardMs = static_cast<int>(*last - onset_ + 1) * 5;
            // A page printed while a sound plays keeps the one thread busy, which can stretch
            // the sound a little.
            EXPECT_TRUE(heardWhole(playing_, heardMs, 300))
                << "sound " << playing_ << ": " << heardMs << " ms";
        }
        playing_ = kNone;
    }
    // The sound just heard was sound n.
    void heardAs(int n) {
        if (playing_ != kNone) playing_ = n;
    }

    Brivatenzo& program_;
    SinkRecorder& sink_;
    qsizetype onset_ = 0;
    int playing_ = kNone;
};

TEST(EndToEnd, EveryExerciseFromTheStartWindowThenTheAboutBoxAndEsciEndsTheProgram) {
    SinkRecorder sink;
    Brivatenzo program;
    Child child(program, sink);
    // "Esci" ends the event loop; were it not to, this ends it with another code.
    QTimer stuck;
    stuck.setSingleShot(true);
    QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(2); });
    QTimer::singleShot(0, &stuck, [&] {
        child.run();
        stuck.start(5000);
    });
    program.start();
    EXPECT_EQ(QApplication::exec(), 0);
}

} // namespace
