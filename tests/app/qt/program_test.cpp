// The program as built: its own binary, and every picture its windows name.
#include "platform/qt/QtEnvironment.h"
#include "support/Program.h"
#include "support/Readback.h"
#include "view/Pictures.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>
#include <set>

namespace {

// The program's binary, run with the display variables unset but for `set`; its exit code and
// what it wrote on its error output (-1 if it hung or crashed).
std::string run(const std::vector<std::pair<const char*, const char*>>& set, const QStringList& args = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(v);
    for (const auto& [name, value] : set)
        env.insert(name, value);
    const auto [code, said] = testing_support::exitAndErrors(BRIVATENZO_PROGRAM, args, env);
    return std::to_string(code) + " " + said.toStdString();
}

// With no display, or no plugin for the platform named: one line of its own and status 1,
// instead of Qt's abort. On one, with neither sound server nor printer, the start window, "dal
// computer", "Info", an exercise, an operation drawn and "Stampa" pressed, back, and "Esci"
// ending it with status 0.
TEST(Program, EndsWellWithoutServicesAndSaysWhenThereIsNoDisplay) {
    EXPECT_EQ(run({}), "1 Le 4 brivatenzo: nessuno schermo disponibile (DISPLAY, WAYLAND_DISPLAY e "
                       "QT_QPA_PLATFORM non sono impostate).\n");
    // A display named that cannot be reached, by either variable alone.
    for (const auto& schermo : {std::pair{"DISPLAY", ":4242"}, std::pair{"WAYLAND_DISPLAY", "wayland-4242"}})
        EXPECT_EQ(run({schermo}),
                  "1 Le 4 brivatenzo: impossibile aprire lo schermo indicato da DISPLAY o WAYLAND_DISPLAY.\n")
            << schermo.first;
    // A platform Qt has no plugin for is blamed on whatever named it, even with a display at hand.
    EXPECT_EQ(run({{"QT_QPA_PLATFORM", "bogus"}, {"DISPLAY", ":4242"}}),
              "1 Le 4 brivatenzo: impossibile caricare la piattaforma grafica \"bogus\" indicata da "
              "QT_QPA_PLATFORM.\n");
    EXPECT_EQ(run({{"QT_QPA_PLATFORM", "offscreen"}}, {"-platform", "bogus"}),
              "1 Le 4 brivatenzo: impossibile caricare la piattaforma grafica \"bogus\" indicata "
              "dall'argomento -platform.\n");
    EXPECT_EQ(run({{"QT_QPA_PLATFORM", "offscreen"},
                   {"QT_PLUGIN_PATH", DRIVER_PLUGIN_PATH},
                   {"PULSE_SERVER", "unix:/nonexistent/pulse"},
                   {"CUPS_SERVER", "/nonexistent/cups.sock"}},
                  {"-plugin", "brivatenzo_driver:2"})
                  .substr(0, 2),
              "0 ");
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
