#include "forms/ControlArray.h"
#include "forms/FormRegistry.h"

#include <gtest/gtest.h>

namespace {

struct Counted : forms::Form {
    Counted(int& loads, int& alive) : Form("frmConta"), loads_(loads), alive_(alive) { ++alive_; }
    ~Counted() override { --alive_; }
    void Form_Load() override { ++loads_; }
    forms::Control Frame1{*this, "Frame1", forms::ControlKind::Frame};
    forms::ControlArray Cmd{*this, "Cmd", forms::ControlKind::Button, 2, &Frame1};
    int stato = 0;
    int &loads_, &alive_;
};

// One instance, loaded on first use; unloaded by its own handler, it lives until the handler
// ends; used again, it is loaded afresh.
TEST(Registry, OneInstanceLoadedOnFirstUseAndAfreshAfterUnload) {
    int loads = 0, alive = 0;
    forms::FormRegistry reg;
    reg.define("frmConta", [&] { return std::make_unique<Counted>(loads, alive); });
    auto& a = reg.get<Counted>("frmConta");
    EXPECT_EQ(&reg.get<Counted>("frmConta"), &a);
    a.Cmd[1].onClick = [&a] {
        a.unload();
        a.stato = 1; // still safe to touch here
    };
    reg.run([&a] { a.Cmd[1].onClick(); });
    EXPECT_FALSE(reg.isLoaded("frmConta"));
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(reg.get<Counted>("frmConta").stato, 0);
    EXPECT_EQ(loads, 2);
}

// Rows are named with their index; a frame switched off or hidden takes its controls with it.
TEST(Registry, ControlsAreFoundByNameAndFollowTheirFrame) {
    int loads = 0, alive = 0;
    Counted f(loads, alive);
    EXPECT_EQ(f.find("Cmd(1)"), &f.Cmd[1]);
    EXPECT_EQ(f.find("Cmd(2)"), nullptr);
    f.Frame1.enabled = false;
    EXPECT_FALSE(f.Cmd[0].isEnabled() || !f.Cmd[0].isShown());
    f.Frame1.visible = false;
    EXPECT_FALSE(f.Cmd[0].isShown());
}

} // namespace
