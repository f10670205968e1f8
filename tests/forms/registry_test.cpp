#include "forms/ControlArray.h"
#include "forms/FormRegistry.h"

#include <gtest/gtest.h>

namespace {

struct Counted : forms::Form {
    explicit Counted(int& loads, int& alive) : Form("frmConta"), loads_(loads), alive_(alive) { ++alive_; }
    ~Counted() override { --alive_; }
    void Form_Load() override { ++loads_; }
    forms::Control Cmd{*this, "Cmd", forms::ControlKind::Button};
    int stato = 0;
    int& loads_;
    int& alive_;
};

struct Registry : ::testing::Test {
    int loads = 0, alive = 0;
    forms::FormRegistry reg;
    Registry() {
        reg.define("frmConta", [this] { return std::make_unique<Counted>(loads, alive); });
    }
};

TEST_F(Registry, OneInstanceLoadedOnFirstUseAndAfreshAfterUnload) {
    EXPECT_FALSE(reg.isLoaded("frmConta"));
    auto& a = reg.get<Counted>("frmConta");
    a.stato = 7;
    EXPECT_EQ(&reg.get<Counted>("frmConta"), &a);
    EXPECT_EQ(loads, 1);

    a.unload();
    EXPECT_FALSE(reg.isLoaded("frmConta"));
    EXPECT_EQ(alive, 0);
    auto& b = reg.get<Counted>("frmConta");
    EXPECT_EQ(b.stato, 0);
    EXPECT_EQ(loads, 2);
}

TEST_F(Registry, AWindowUnloadedByItsOwnHandlerLivesUntilTheHandlerEnds) {
    auto& f = reg.get<Counted>("frmConta");
    f.Cmd.onClick = [&f] {
        f.unload();
        f.stato = 1; // still safe to touch here
    };
    reg.run([&f] { f.Cmd.onClick(); });
    EXPECT_EQ(alive, 0);
    EXPECT_FALSE(reg.isLoaded("frmConta"));
}

TEST_F(Registry, ControlsAreFoundByNameAndRowsAreNamedWithTheirIndex) {
    struct Righe : forms::Form {
        Righe() : Form("frmRighe") {}
        forms::Control Frame1{*this, "Frame1", forms::ControlKind::Frame};
        forms::ControlArray TxtSomma{*this, "TxtSomma", forms::ControlKind::Cell, 5, &Frame1};
    } f;
    EXPECT_EQ(f.find("TxtSomma(3)"), &f.TxtSomma[3]);
    EXPECT_EQ(f.find("TxtSomma(5)"), nullptr);
    f.Frame1.enabled = false;
    EXPECT_FALSE(f.TxtSomma[0].isEnabled());
    f.Frame1.visible = false;
    EXPECT_FALSE(f.TxtSomma[0].isShown());
}

} // namespace
