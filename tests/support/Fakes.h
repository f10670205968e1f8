#pragma once

#include "platform/Services.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace testing_support {

// Sound n is the two bytes of n, so the player can tell which one it was asked for.
class FakeResources : public platform::Resources {
  public:
    platform::Bytes sound(int n) const override {
        return {static_cast<std::uint8_t>(n & 0xFF), static_cast<std::uint8_t>(n >> 8)};
    }
};

class FakeSound : public platform::SoundPlayer {
  public:
    void play(const platform::Bytes& wav) override {
        played.push_back(wav.size() == 2 ? wav[0] | wav[1] << 8 : -1);
    }
    int last() const { return played.empty() ? 0 : played.back(); }
    std::vector<int> played;
};

// Keeps the texts of every control of each layout it was asked to print.
class FakePrinter : public platform::Printer {
  public:
    bool print(forms::Form& layout) override;
    bool available = true;
    std::vector<std::map<std::string, std::string>> pages;
};

// Hands out the numbers it was given, then the lower bound.
class ScriptedRandom : public platform::Random {
  public:
    int between(int lo, int hi) override;
    std::deque<int> script;
    std::vector<std::pair<int, int>> asked; // the bounds of every draw
};

class FakeEnvironment : public platform::Environment {
  public:
    platform::Version version() const override { return {4, 2, 0}; }
    std::string programFolder() const override { return "/programma"; }
    void setCurrentDirectory(const std::string& folder) override { currentDirectory = folder; }
    void quit() override { quitCalled = true; }
    std::string currentDirectory;
    bool quitCalled = false;
};

} // namespace testing_support
