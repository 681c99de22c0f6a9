#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/core/datetime.h"
#include "platform/ui/colors.h"
#include "platform/ui/control_array.h"
#include "platform/ui/data.h"
#include "platform/ui/ui.h"

namespace pelk::reservations {

// The room map: one floor at a time, up to 45 rooms, each coloured by the state of its stays for
// the map's mode, with the guest's last name under an occupied room. Its opener gives the mode in
// lblMode ("Reserv" from the stay-date picker, "ChkI" and "ChkO" from the main panel), the dates in
// txtDateIn and txtDateOut, and where it came from in its Tag. A vacant room starts a booking.
class frmMap : public ui::Form {
public:
    frmMap();

    // The mode its opener gives it: "Reserv", "ChkI" or "ChkO"; empty when only loaded.
    ui::Label lblMode{this, "lblMode"};
    ui::Label lblDIn{this, "lblDIn"};
    ui::TextBox txtDateIn{this, "txtDateIn"};
    ui::CommandButton cmdLess{this, "cmdLess"};
    ui::CommandButton cmdMore{this, "cmdMore"};
    ui::Label lblDOut{this, "lblDOut"};
    ui::TextBox txtDateOut{this, "txtDateOut"};
    ui::CommandButton cmdOLess{this, "cmdOLess"};
    ui::CommandButton cmdOMore{this, "cmdOMore"};
    ui::Label lblFlrs{this, "lblFlrs"};

    // The 45 places of a floor, five rows of nine, each a room and its guest's name under it.
    ui::ControlArray<ui::CommandButton> cmdRoom{
        this, "cmdRoom", {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
                          24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45}};
    ui::ControlArray<ui::CommandButton> cmdName{
        this, "cmdName", {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
                          24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45}};

    ui::CommandButton cmdFlrA{this, "cmdFlrA"};
    ui::CommandButton cmdFlrB{this, "cmdFlrB"};
    ui::CommandButton cmdFlrC{this, "cmdFlrC"};
    ui::CommandButton cmdFlrD{this, "cmdFlrD"};
    ui::CommandButton cmdFlrE{this, "cmdFlrE"};
    ui::CommandButton cmdFlrF{this, "cmdFlrF"};
    ui::CommandButton cmdFlrG{this, "cmdFlrG"};
    ui::CommandButton cmdClose{this, "cmdClose"};

    // The legend: a square of each state's colour over its name.
    ui::Label Label1{this, "Label1"};
    ui::Label Label2{this, "Label2"};
    ui::Label Label3{this, "Label3"};
    ui::Label Label8{this, "Label8"};
    ui::Label Label4{this, "Label4"};
    ui::Label Label5{this, "Label5"};
    ui::Label Label6{this, "Label6"};
    ui::Label Label9{this, "Label9"};

    // Room names by floor, the floor flags, the stays, the open folios.
    ui::Data datRoom{this, "datRoom"};
    ui::Data datBak{this, "datBak"};
    ui::Data datVRoom{this, "datVRoom"};
    ui::Data datTable{this, "datTable"};

    void Form_Load() override;
    void Form_Activate() override;
    void cmdFlrA_Click();
    void cmdFlrB_Click();
    void cmdFlrC_Click();
    void cmdFlrD_Click();
    void cmdFlrE_Click();
    void cmdFlrF_Click();
    void cmdFlrG_Click();
    void cmdRoom_Click(int Index);
    void cmdName_Click(int Index);
    void cmdClose_Click();
    void cmdLess_Click();
    void cmdMore_Click();
    void cmdOLess_Click();
    void cmdOMore_Click();
    void RedrawCurrentFloor();
    // Copies the current row of datVRoom into the room screen.
    void FillRoomScreenFromReservation(ui::Form& screen);

    // A stay of a room of the floor being drawn, as the colours read it.
    struct RoomStay {
        std::optional<core::Date> arrival, departure;
        std::string lastName;
        bool documented = false;  // the guest's identity document is recorded
    };

    void HideAllRoomButtons();
    // Colours the room at the current position for the map's mode and dates, by its stays read
    // for the floor.
    void ColourRoomButton();
    void MarkCheckInDay(const RoomStay& stay);
    void MarkCheckOutDay(const RoomStay& stay);
    void MarkOverlappingStay(const RoomStay& stay);
    void MarkOccupied(const RoomStay& stay);
    void MarkVacant();

    // The room states, as the colours of the room buttons.
    static constexpr ui::Color kVacant = ui::color::kPaleGreen;
    static constexpr ui::Color kReserved = ui::color::kRed;
    static constexpr ui::Color kInHouse = ui::color::kYellow;
    static constexpr ui::Color kDueOut = ui::color::kWhite;

private:
    // The occupied road of a room choice: the room screen, filled, over the map.
    void OpenOccupiedRoom(int Index);
    // Moves a date box by `days` and draws the floor shown again for it.
    void moveDate(ui::TextBox& box, int days);
    // Draws floor `floor` (1 to 7).
    void drawFloor(int floor);
    // Reads, in one query, the stays of the rooms shown at `positions` that can mark them for
    // the map's mode and dates, each under every position of its room, in stored order.
    void readFloorStays(const std::vector<int>& positions);

    // The position being drawn and coloured (1 to 45).
    int position_ = 1;
    // The stays read for the floor drawn, by position.
    std::vector<std::vector<RoomStay>> staysAt_;
};

}  // namespace pelk::reservations
