#pragma once
// The input box: a small modal window with a prompt, an edit field, OK and Cancel.
#include <optional>
#include <string>

#include "forms/control.h"
#include "forms/form.h"

namespace chelan::forms {

class InputBoxForm : public Form {
 public:
  InputBoxForm(std::wstring prompt, std::wstring title, HWND owner);
  void Load() override;
  // The text at OK; nothing after Cancel or closing the box.
  const std::optional<std::wstring>& Answer() const { return answer_; }

  Label Prompt;
  TextBox Entry;
  Button Ok, Cancel;

 protected:
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::wstring prompt_;
  std::wstring title_;
  HWND owner_;
  std::optional<std::wstring> answer_;
  Font font_;
};

}  // namespace chelan::forms
