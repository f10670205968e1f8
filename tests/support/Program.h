#pragma once

#include "app/Module1.h"
#include "app/Windows.h"
#include "forms/FormRegistry.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace testing_support {

// Sound n is the two bytes of n, so that the player can tell which one it was asked for.
struct FakeResources : platform::Resources {
    platform::Bytes sound(int n) const override {
        return {static_cast<std::uint8_t>(n & 0xFF), static_cast<std::uint8_t>(n >> 8)};
    }
};

struct FakeSound : platform::SoundPlayer {
    void play(const platform::Bytes& wav) override {
        played.push_back(wav.size() == 2 ? wav[0] | wav[1] << 8 : -1);
    }
    int last() const { return played.empty() ? 0 : played.back(); }
    std::vector<int> played;
};

// Keeps the texts of every control of each layout it was asked to print, and the job's name.
struct FakePrinter : platform::Printer {
    bool print(forms::Form& layout, const std::string& job) override {
        std::map<std::string, std::string>& page = pages.emplace_back();
        for (const forms::Control* c : layout.controls())
            page[c->name()] = c->text;
        jobs.push_back(job);
        return true;
    }
    std::vector<std::map<std::string, std::string>> pages;
    std::vector<std::string> jobs;
};

// Hands out the numbers it was given, then the lower bound.
struct ScriptedRandom : platform::Random {
    int between(int lo, int hi) override {
        asked.emplace_back(lo, hi);
        const int v = script.empty() ? lo : script.front();
        if (!script.empty()) script.pop_front();
        return v;
    }
    std::deque<int> script;
    std::vector<std::pair<int, int>> asked; // the bounds of every draw
};

struct FakeEnvironment : platform::Environment {
    platform::Version version() const override { return {4, 2, 0}; }
    std::string programFolder() const override { return "/programma"; }
    void setCurrentDirectory(const std::string&) override {}
    void quit() override { quitCalled = true; }
    bool quitCalled = false;
};

// The whole program without a screen: every window defined, every service a fake.
struct Program {
    FakeSound sound;
    FakeResources resources;
    FakePrinter printer;
    ScriptedRandom random;
    FakeEnvironment environment;
    platform::Services services{sound, resources, printer, random, environment};
    forms::FormRegistry forms;
    app::Module1 m{forms, services};

    Program() { app::defineWindows(m); }
    template <class T> T& open(const std::string& name) { return forms.get<T>(name); }
    // Runs a handler as an event would: unloaded windows go once it has finished.
    template <class F> void event(F&& handler) { forms.run(handler); }
    // Presses a control as the mouse would (only if it is shown and enabled).
    bool click(forms::Form& form, const std::string& control) {
        forms::Control* c = form.find(control);
        if (c == nullptr || !c->isShown() || !c->isEnabled()) return false;
        forms.run([c] {
            if (c->onMouseDown) c->onMouseDown();
            c->click();
        });
        return true;
    }
};

} // namespace testing_support
