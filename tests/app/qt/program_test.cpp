// The program as built: its own binary, and every picture its windows name.
#include "platform/qt/QtEnvironment.h"
#include "support/Program.h"
#include "support/Readback.h"
#include "view/Pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

namespace {

// The program's binary (or `program`), run with the display variables unset but for `set`; its exit
// code and what it wrote on its error output (-1 if it hung or crashed).
std::string run(const std::vector<std::pair<const char*, const char*>>& set, const QStringList& args = {},
                const QString& program = BRIVATENZO_PROGRAM) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(v);
    for (const auto& [name, value] : set)
        env.insert(name, value);
    const auto [code, said] = testing_support::exitAndErrors(program, args, env);
    return std::to_string(code) + " " + said.toStdString();
}

// With no display, or no plugin for the platform named: one line of its own and status 1,
// instead of Qt's abort.
TEST(Program, SaysWhenThereIsNoDisplay) {
    const std::string
        none = "1 Le 4 brivatenzo: nessuno schermo disponibile (DISPLAY, WAYLAND_DISPLAY e "
               "QT_QPA_PLATFORM non sono impostate).\n",
        unreachable =
            "1 Le 4 brivatenzo: impossibile aprire lo schermo indicato da DISPLAY o WAYLAND_DISPLAY.\n",
        bogus = "1 Le 4 brivatenzo: impossibile caricare la piattaforma grafica \"bogus\" indicata ";
    const struct {
        std::vector<std::pair<const char*, const char*>> set;
        QStringList args;
        std::string said;
    } rows[] = {
        {{}, {}, none},
        {{{"DISPLAY", ""}}, {}, none}, // set but empty, a variable names nothing
        {{{"QT_QPA_PLATFORM", ""}}, {}, none},
        // a display named that cannot be reached, by either variable alone
        {{{"DISPLAY", ":4242"}}, {}, unreachable},
        {{{"WAYLAND_DISPLAY", "wayland-4242"}}, {}, unreachable},
        // a platform Qt has no plugin for is blamed on whatever named it, even with a display at hand
        {{{"QT_QPA_PLATFORM", "bogus"}, {"DISPLAY", ":4242"}}, {}, bogus + "da QT_QPA_PLATFORM.\n"},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, {"-platform", "bogus"}, bogus + "dall'argomento -platform.\n"},
        {{}, {"--platform", "bogus"}, bogus + "dall'argomento -platform.\n"}, // Qt's other spelling
    };
    for (const auto& [set, args, said] : rows)
        EXPECT_EQ(run(set, args), said)
            << (set.empty() ? "" : set[0].first) << " " << args.join(' ').toStdString();
}

// On a display, with neither sound server nor printer, the start window, "dal computer", "Info", an
// exercise, an operation drawn and "Stampa" pressed, back, and "Esci" ending it with status 0. A copy of
// the program with no sound module beside it, or one it cannot load, runs silent and says so once; the
// program beside its module says nothing of sounds.
TEST(Program, EndsWellWithoutServicesAndSaysWhenItHasNoSounds) {
    QTemporaryDir folder;
    const QString copy = folder.filePath("brivatenzo");
    ASSERT_TRUE(QFile::copy(BRIVATENZO_PROGRAM, copy));
    const struct {
        const char* platform; // by QT_QPA_PLATFORM, or by "--platform"
        QString program;
        const char* besideIt; // the sound module beside the copy, if any
        int sayNoSounds;
    } rows[] = {
        {"QT_QPA_PLATFORM", BRIVATENZO_PROGRAM, nullptr, 0},
        {"--platform", BRIVATENZO_PROGRAM, nullptr, 0},
        {"QT_QPA_PLATFORM", copy, nullptr, 1},
        {"QT_QPA_PLATFORM", copy, "not a module", 1},
    };
    for (const auto& [platform, program, besideIt, sayNoSounds] : rows) {
        if (besideIt != nullptr) {
            QFile module(folder.filePath(QFileInfo(BRIVATENZO_SOUND_MODULE).fileName()));
            ASSERT_TRUE(module.open(QIODevice::WriteOnly) && module.write(besideIt) > 0);
        }
        std::vector<std::pair<const char*, const char*>> set = {{"QT_PLUGIN_PATH", DRIVER_PLUGIN_PATH},
                                                                {"PULSE_SERVER", "unix:/nonexistent/pulse"},
                                                                {"CUPS_SERVER", "/nonexistent/cups.sock"}};
        QStringList args = {"-plugin", "brivatenzo_driver:2"};
        if (platform[0] == '-')
            args << platform << "offscreen";
        else
            set.emplace_back(platform, "offscreen");
        const QString said = QString::fromStdString(run(set, args, program));
        EXPECT_TRUE(said.startsWith("0 ") && said.count("suoni") == sayNoSounds &&
                    said.count("Le 4 brivatenzo: suoni non disponibili (") == sayNoSounds)
            << platform << " " << program.toStdString() << " " << (besideIt ? besideIt : "") << ": "
            << said.toStdString();
    }
}

// The start window shows the version the program is built as.
TEST(Program, IsVersion42) {
    const platform::Version v = platform::QtEnvironment().version();
    EXPECT_EQ(std::to_string(v.major) + "." + std::to_string(v.minor), "4.2");
}

// Every picture a window or a control of the program names is built in, and each one built in
// is used.
TEST(Program, EveryPictureItNamesIsBuiltIn) {
    testing_support::Program p;
    std::set<std::string> named;
    for (const char* w : {"frmStart", "frmInfo", "frmAdd2", "frmAdd3", "frmSott1", "frmMolt1", "frmMolt2",
                          "frmDivEstesa", "frmDivCompatta", "frmAdd2_bis", "frmAdd3_bis", "frmSott1_bis",
                          "frmMolt1_bis", "frmMolt2_bis", "frmDivEstesa_bis", "frmDivCompatta_bis"}) {
        forms::Form& f = p.forms.load(w);
        named.insert({f.picture, f.icon});
        for (const forms::Control* c : f.controls())
            named.insert({c->picture, c->pictureChecked});
    }
    named.erase("");
    for (const std::string& name : named)
        EXPECT_TRUE(view::pictures::exists(name)) << name;
    EXPECT_EQ(named.size(), QDir(":/pictures").count());
}

} // namespace
