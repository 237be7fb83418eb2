#include <gtest/gtest.h>

#include "window/frm_main.h"
#include "window/scripted_dialogs.h"

namespace mosalind {
namespace {

TEST(FrmMainSmoke, Constructs) {
    ScriptedDialogs dialogs;
    FrmMain window(&dialogs);
    EXPECT_TRUE(window.cmdLoad == nullptr || window.cmdLoad != nullptr);
}

}  // namespace
}  // namespace mosalind
