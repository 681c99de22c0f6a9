#pragma once

#include <memory>
#include <vector>

#include "platform/ui/ui.h"

namespace pelk::menu {

// The special requests: fifty texts in the first language over the same fifty in the second,
// in ten pairs of rows of five, bound to the one row of each table.
class frmSpl : public ui::Form {
public:
    static constexpr int kBoxes = 100;

    frmSpl();

    ui::Data datSpl{this, "datSpl"};
    ui::Data datSplc{this, "datSplc"};
    ui::Label Label3{this, "Label3"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    // Text1 … Text100.
    ui::TextBox& TextBox(int n) { return *boxes_.at(n - 1); }
    // Whether box n is on a second-language row.
    static bool secondLanguage(int n) { return (n - 1) % 10 >= 5; }

    void Form_Load() override;
    void cmdClose_Click();

private:
    std::vector<std::unique_ptr<ui::TextBox>> boxes_;
};

}  // namespace pelk::menu
