#include "support/Fakes.h"

#include "forms/Form.h"

namespace testing_support {

bool FakePrinter::print(forms::Form& layout) {
    if (!available) return false;
    std::map<std::string, std::string> page;
    for (const forms::Control* c : layout.controls())
        page[c->name()] = c->text;
    pages.push_back(page);
    return true;
}

int ScriptedRandom::between(int lo, int hi) {
    asked.emplace_back(lo, hi);
    if (script.empty()) return lo;
    const int v = script.front();
    script.pop_front();
    return v;
}

} // namespace testing_support
