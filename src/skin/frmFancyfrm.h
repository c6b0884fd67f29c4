#pragma once
// Skin page 1, the first window after the password gate.
#include "forms/form.h"
#include "platform/services.h"

namespace chelan {

class frmFancyfrm : public forms::Form {
 public:
  explicit frmFancyfrm(Services& services);
  void Load() override;

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  Services& services_;
};

}  // namespace chelan
