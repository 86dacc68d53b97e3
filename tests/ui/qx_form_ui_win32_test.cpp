// The base form's visibility switch on real windows: a modal QX form steps aside (hidden) and
// comes back without leaving its modal loop; its owner stays disabled all the while and is
// enabled again once the loop ends.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "ui/qx_form.h"

namespace ruzi {
namespace {

struct Steps {
  TQXForm* owner;
  TQXForm* modal;
  std::vector<bool> owner_enabled;  // at each step
  std::vector<bool> modal_visible;
  bool active_again = false;
};

Steps* steps = nullptr;

void CALLBACK Step(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  const size_t done = steps->modal_visible.size();
  steps->owner_enabled.push_back(IsWindowEnabled(steps->owner->Handle()) != FALSE);
  steps->modal_visible.push_back(IsWindowVisible(steps->modal->Handle()) != FALSE);
  if (done == 0) {
    steps->modal->SetFormVisible(false);  // step aside
  } else if (done == 1) {
    steps->modal->SetFormVisible(true);  // and come back
    steps->active_again = GetActiveWindow() == steps->modal->Handle();
  } else {
    steps->modal->SetModalResult(mrOk);
    return;
  }
  SetTimer(nullptr, 0, 50, &Step);
}

TEST(QXFormUi, ModalFormStepsAsideAndComesBackInItsLoop) {
  TQXForm owner;
  owner.SetBounds(50, 50, 300, 200);
  owner.Show();
  auto* modal = new TQXForm(&owner);
  modal->SetBounds(80, 80, 200, 120);
  Steps record{&owner, modal, {}, {}};
  steps = &record;
  SetTimer(nullptr, 0, 50, &Step);
  EXPECT_EQ(modal->ShowModal(), mrOk);
  steps = nullptr;
  EXPECT_EQ(record.modal_visible, (std::vector<bool>{true, false, true}));
  EXPECT_EQ(record.owner_enabled, (std::vector<bool>{false, false, false})) << "disabled while hidden too";
  EXPECT_TRUE(record.active_again);
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
  EXPECT_FALSE(modal->Visible());
}

}  // namespace
}  // namespace ruzi
