#include "support/Layout.h"

#include <sstream>

namespace testing_support {

const std::string kKeypad = "Cmd_7 120,240,495,495|Cmd_8 720,240,495,495|Cmd_9 1320,240,495,495|"
                            "Cmd_4 120,840,495,495|Cmd_5 720,840,495,495|Cmd_6 1320,840,495,495|"
                            "Cmd_1 120,1440,495,495|Cmd_2 720,1440,495,495|Cmd_3 1320,1440,495,495|"
                            "Cmd_0 120,2040,495,495|";

std::string place(const forms::Control& c) {
    const bool line = c.kind() == forms::ControlKind::Line;
    std::string s = c.name();
    for (int v : {c.left, c.top, line ? c.x2 : c.width, line ? c.y2 : c.height})
        s += (s.size() == c.name().size() ? " " : ",") + std::to_string(v);
    return c.text.empty() ? s : s + " " + c.text;
}

std::string misplaced(const forms::Form& form, const std::string& table) {
    std::string out;
    std::istringstream rows(table);
    for (std::string row; std::getline(rows, row, '|');) {
        const forms::Control* c = form.find(row.substr(0, row.find(' ')));
        const std::string as = c == nullptr ? row.substr(0, row.find(' ')) + " missing" : place(*c);
        if (as != row) out += as + "|";
    }
    return out;
}

std::string misdrawn(const forms::Form& form, const std::string& table) {
    std::string out;
    std::istringstream rows(table);
    for (std::string row; std::getline(rows, row, '|');) {
        const std::string name = row.substr(0, row.find(' '));
        const forms::Control* c = form.find(name);
        std::ostringstream as;
        as << name;
        if (c == nullptr)
            as << " missing";
        else
            as << ' ' << c->font.points << (c->font.bold ? " bold " : " ") << c->font.family << std::hex
               << ' ' << c->foreColor << ' ' << c->backColor;
        if (as.str() != row) out += as.str() + "|";
    }
    return out;
}

std::string cells(const std::string& row, int first, int last, int left, int step, int top, int width,
                  int height) {
    std::string out;
    for (int i = first; i <= last; ++i, left += step)
        out += row + "(" + std::to_string(i) + ") " + std::to_string(left) + "," + std::to_string(top) + "," +
               std::to_string(width) + "," + std::to_string(height) + "|";
    return out;
}

std::string shown(const forms::Form& form, const std::string& names) {
    std::string out;
    std::istringstream in(names);
    for (std::string n; in >> n;)
        if (const forms::Control* c = form.find(n); c != nullptr && c->isShown())
            out += (out.empty() ? "" : " ") + n;
    return out;
}

} // namespace testing_support
