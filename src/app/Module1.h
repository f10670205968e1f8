#pragma once

#include "forms/FormRegistry.h"
#include "platform/Services.h"

#include <string>

namespace app {

// Who chooses the operands.
enum ChiSceglieValue : int {
    InEsecuzione = 0, // the child's own operands were accepted and are being worked
    DaTe = 1,         // the child types the operands
    DalComputer = 2,  // the computer draws them from the chosen numbers of digits
};

// The program's sounds, by number.
enum Suono : int {
    SuonoFinito = 101,   // an operation is finished
    SuonoClic = 102,     // a click that changes a setting
    SuonoErrore = 103,   // a wrong answer
    SuonoBravo = 104,    // a right step
    SuonoPronto = 105,   // an operation is set up or its solution shown
    SuonoApertura = 106, // an exercise window is opened
    SuonoUscita = 107,   // a window is left
};

// The state every window shares, and the two routines every window uses.
class Module1 {
  public:
    Module1(forms::FormRegistry& forms, platform::Services& services) : forms(forms), services(services) {}

    int Silenzio = 0;
    int ChiSceglie = InEsecuzione;
    int ChiSceglieSalvato = InEsecuzione;
    int DaContare = 0;
    int NumEseguite = 0;
    int NumErrori = 0;
    platform::Bytes BufferSuono;

    // Starts sound n and returns at once; callers check Silenzio first.
    void Suona(int n);
    // Suona(n) when sounds are on: what every call site does.
    void suonaSeAttivo(int n) {
        if (Silenzio == 0) Suona(n);
    }
    // Keeps the window above all others, without moving or activating it.
    static void MettiInPrimoPiano(forms::Form& frm) { frm.topmost = true; }
    // Takes the Close command away: the window can be left only through its own buttons.
    static void TogliChiudi(forms::Form& frm) { frm.closeCommand = false; }

    forms::FormRegistry& forms;
    platform::Services& services;
};

// A number as a label shows it: its digits after one blank, the place of a sign.
std::string numeroTesto(long n);

} // namespace app
