#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/ui.h"
#include "settings/stores.h"

namespace pelk::settings {

// The room names of each floor, position by position as the room map lays them out (five rows of
// nine), and the flags that hide floors from the map. A floor's names are saved when another
// floor is chosen and when the screen closes; the flags through their binding when it unloads.
class frmSetRooms : public ui::Form {
public:
    frmSetRooms();

    ui::Data datRoom{this, "datRoom"};
    ui::Data datPritOut{this, "datPritOut"};
    // Positions 1 to 45 (made from 0, which is dropped: the positions count from 1).
    ui::ControlArray<ui::TextBox> txtTable{this, "txtTable", kRoomPositions + 1};
    ui::CommandButton cmdRoomA{this, "cmdRoomA"};
    ui::CommandButton cmdRoomB{this, "cmdRoomB"};
    ui::CommandButton cmdRoomC{this, "cmdRoomC"};
    ui::CommandButton cmdRoomD{this, "cmdRoomD"};
    ui::CommandButton cmdSmokinA{this, "cmdSmokinA"};
    ui::CommandButton cmdSmokinB{this, "cmdSmokinB"};
    ui::CommandButton cmdPart{this, "cmdPart"};
    ui::Label lblA{this, "lblA"};
    ui::Label lblB{this, "lblB"};
    ui::Label lblC{this, "lblC"};
    ui::Label lblD{this, "lblD"};
    ui::CheckBox chkRA{this, "chkRA"};
    ui::CheckBox chkRB{this, "chkRB"};
    ui::CheckBox chkRC{this, "chkRC"};
    ui::CheckBox chkRD{this, "chkRD"};
    ui::CheckBox chkMA{this, "chkMA"};
    ui::CheckBox chkMB{this, "chkMB"};
    ui::CheckBox chkRPty{this, "chkRPty"};
    ui::CommandButton cmdClose{this, "cmdClose"};
    // Command1 … Command45: where the map's room buttons stand, under the boxes; they do nothing.
    ui::CommandButton& Command(int position) { return *blanks_.at(position - 1); }

    void Form_Load() override;
    void cmdRoomA_Click();
    void cmdRoomB_Click();
    void cmdRoomC_Click();
    void cmdRoomD_Click();
    void cmdSmokinA_Click();
    void cmdSmokinB_Click();
    void cmdPart_Click();
    void chkRA_Click();
    void chkRB_Click();
    void chkRC_Click();
    void chkRD_Click();
    void chkMA_Click();
    void chkMB_Click();
    void chkRPty_Click();
    void cmdClose_Click();

private:
    struct Floor {
        const char* word;    // kept in the form's Tag while the floor is shown
        const char* column;  // of tblRooms
    };
    static const std::array<Floor, kFloors> kFloorsShown;

    // Writes the positions whose box the clerk changed into the floor shown (Tag); the others stay
    // as stored, so what another station saved meanwhile is kept. A name the column cannot hold,
    // and a row the store refuses, keep their old name and the clerk is told.
    void SaveRoomNames();
    void showFloor(int floor);
    void flagClicked(ui::CheckBox& flag);
    // The row of a position, current in datRoom; false when the table has no such row.
    bool findPosition(int position);

    std::vector<std::unique_ptr<ui::CommandButton>> blanks_;
    // What each box showed when its floor was read (index: position), and whether its row exists.
    std::array<std::string, kRoomPositions + 1> shown_{};
    std::array<bool, kRoomPositions + 1> present_{};
};

}  // namespace pelk::settings
