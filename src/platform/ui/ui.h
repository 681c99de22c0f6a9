#pragma once

// Everything a screen uses of the form runtime. A screen reads like this:
//
//   class frmTimer : public ui::Form {
//   public:
//       frmTimer() {
//           setCaption("");  // design values first: nothing is raised while the form is made
//           txtPassword.setPasswordChar("*");
//           Timer1.setInterval(500);
//           comNumber.onClick([this](int Index) { comNumber_Click(Index); });
//           txtPassword.onChange([this] { txtPassword_Change(); });
//           cmdExit.onClick([this] { cmdExit_Click(); });
//           Timer1.onTimer([this] { Timer1_Timer(); });
//       }
//       ui::TextBox txtPassword{this, "txtPassword"};
//       ui::ControlArray<ui::CommandButton> comNumber{this, "comNumber", 10};
//       ui::CommandButton cmdExit{this, "cmdExit"};
//       ui::Timer Timer1{this, "Timer1"};
//
//       void Form_Load() override;
//       void comNumber_Click(int Index) { txtPassword.SetFocus(); ui::SendKeys(std::to_string(Index)); }
//       void cmdExit_Click() { Unload(); ui::forms().get<frmMainButn>().Show(); }
//       …
//   };
//
// and the program registers it once: ui::forms().registerForm<frmTimer>("frmTimer").
#include "platform/ui/calendar.h"
#include "platform/ui/common_dialog.h"
#include "platform/ui/control.h"
#include "platform/ui/control_array.h"
#include "platform/ui/controls.h"
#include "platform/ui/data.h"
#include "platform/ui/dbgrid.h"
#include "platform/ui/file_list_box.h"
#include "platform/ui/flexgrid.h"
#include "platform/ui/form.h"
#include "platform/ui/host.h"
#include "platform/ui/picture.h"
#include "platform/ui/registry.h"
#include "platform/ui/rich_text_box.h"
#include "platform/ui/runtime.h"
#include "platform/ui/screen.h"
