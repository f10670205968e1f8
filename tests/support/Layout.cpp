#include "support/Layout.h"

#include "support/Program.h"

#include <gtest/gtest.h>

#include <sstream>

namespace testing_support {

const std::string kKeypad = "Cmd_7 120,240,495,495|Cmd_8 720,240,495,495|Cmd_9 1320,240,495,495|"
                            "Cmd_4 120,840,495,495|Cmd_5 720,840,495,495|Cmd_6 1320,840,495,495|"
                            "Cmd_1 120,1440,495,495|Cmd_2 720,1440,495,495|Cmd_3 1320,1440,495,495|"
                            "Cmd_0 120,2040,495,495|";

namespace {

std::string place(const forms::Control& c) {
    const bool line = c.kind() == forms::ControlKind::Line;
    std::string s = c.name();
    for (int v : {c.left, c.top, line ? c.x2 : c.width, line ? c.y2 : c.height})
        s += (s.size() == c.name().size() ? " " : ",") + std::to_string(v);
    return c.text.empty() ? s : s + " " + c.text;
}

} // namespace

std::string misplaced(const forms::Form& form, const std::string& table) {
    std::string out;
    std::istringstream rows(table);
    for (std::string row; std::getline(rows, row, '|');) {
        std::erase(row, '\n'); // tables may be written across lines
        const std::string name = row.substr(0, row.find(' ')), second = row.substr(name.size() + 1);
        const forms::Control* c = form.find(name);
        std::ostringstream as;
        as << name << std::hex;
        const auto looks = [&as](const forms::Font& f, forms::Rgb fore, forms::Rgb back) {
            as << ' ' << f.points << (f.bold ? " bold " : " ") << (f.italic ? "italic " : "") << f.family
               << ' ' << fore << ' ' << back;
        };
        if (name == form.name() && second.substr(0, second.find(' ')).find('x') == std::string::npos)
            looks(form.font, form.foreColor, form.backColor);
        else if (name == form.name())
            as << ' ' << std::dec << form.width << 'x' << form.height << std::hex << ' ' << form.backColor
               << (form.topmost && !form.closeCommand ? " fixed " : " ") << form.icon
               << (form.icon.empty() ? "" : " ") << form.caption;
        else if (c == nullptr)
            as << " missing";
        else if (second.starts_with('"'))
            as.str(name + " \"" + c->tooltip + "\"");
        else if (second.substr(0, second.find(' ')).find(',') != std::string::npos)
            as.str(place(*c));
        else if (c->kind() == forms::ControlKind::Timer)
            as << ' ' << std::dec << c->interval << " ms";
        else {
            looks(c->font, c->foreColor, c->backColor);
            as << (c->picture.empty() ? "" : " " + c->picture)
               << (c->pictureChecked.empty() ? "" : "/" + c->pictureChecked) << (c->checked ? " ticked" : "");
        }
        if (as.str() != row) out += as.str() + "|";
    }
    return out;
}

void expectPlaced(const std::vector<std::tuple<std::string, int, std::string>>& tables) {
    for (const auto& [window, chi, table] : tables) {
        Program p;
        p.m.NumEseguite = p.m.NumErrori = 3;
        p.m.ChiSceglie = chi;
        EXPECT_EQ(misplaced(p.forms.load(window), table), "") << window << " " << chi;
    }
}
std::string board(int units, const std::string& rows) {
    std::istringstream in(rows);
    std::string out, row;
    for (int top, height; in >> row >> top >> height;)
        for (int i = 0; i < 5; ++i)
            out += row + "(" + std::to_string(i) + ") " + std::to_string(units - 600 * i) + "," +
                   std::to_string(top) + ",615," + std::to_string(height) + "|";
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
