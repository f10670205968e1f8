#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace forms {
class Form;
}

namespace platform {

using Bytes = std::vector<std::uint8_t>;

// Plays a whole RIFF WAVE file held in memory. Returns at once; a new sound cuts off
// the one still playing. A sound that cannot be played is simply not heard.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    virtual void play(const Bytes& wav) = 0;
};

// The program's own data, by number.
class Resources {
  public:
    virtual ~Resources() = default;
    // The whole sound resource n (101..107); empty when there is none.
    virtual Bytes sound(int n) const = 0;
};

// Prints a window's client area as one page on the default printer.
class Printer {
  public:
    virtual ~Printer() = default;
    // `job` names the page in the printer's queue. False when nothing was printed (no
    // printer, or printing failed).
    virtual bool print(forms::Form& layout, const std::string& job) = 0;
};

// Whole random numbers. One generator for the whole run.
class Random {
  public:
    virtual ~Random() = default;
    // Uniform in lo..hi, both included.
    virtual int between(int lo, int hi) = 0;
};

struct Version {
    int major = 0, minor = 0, revision = 0;
};

// Facts about the running program.
class Environment {
  public:
    virtual ~Environment() = default;
    virtual Version version() const = 0;
    virtual std::string programFolder() const = 0;
    virtual void setCurrentDirectory(const std::string& folder) = 0;
    // Ends the program at once, every window with it.
    virtual void quit() = 0;
};

// Everything the windows use of the system.
struct Services {
    SoundPlayer& sound;
    Resources& resources;
    Printer& printer;
    Random& random;
    Environment& environment;
};

} // namespace platform
