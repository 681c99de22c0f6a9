#include "reservations/frmMap.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/datetime.h"
#include "platform/db/database.h"
#include "platform/db/quoting.h"
#include "platform/db/recordset.h"
#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "reservations/frmChkDate.h"
#include "reservations/frmReservAdd.h"
#include "reservations/own_stay.h"
#include "reservations/records.h"
#include "reservations/rooms.h"
#include "settings/common.h"
#include "settings/stores.h"
#include "shell/frmMainButn.h"
#include "shell/handoff.h"
#include "shell/stores.h"

namespace pelk::reservations {

namespace {

constexpr int kColumns = 9;
constexpr ui::FontRole kRoomFont{"Arial", 14.25, true};
constexpr ui::FontRole kFloorFont{"Comic Sans MS", 12, true};

struct Floor {
    ui::CommandButton frmMap::*button;
    const char* caption;
    const char* title;
    const char* column;  // of tblRooms
    int first;           // the first position drawn
    const char* flag;    // of tbSetInfor: True hides the floor's button
};

// The 6th and 7th floors begin at position 8.
const std::array<Floor, 7> kFloors = {{
    {&frmMap::cmdFlrA, "1st", "1st Floor", "R1", 1, "szRA"},
    {&frmMap::cmdFlrB, "2nd", "2nd Floors", "R2", 1, "szRB"},
    {&frmMap::cmdFlrC, "3rd Flr", "3rd Floors", "R3", 1, "szRC"},
    {&frmMap::cmdFlrD, "4th Flr", "4th Floor", "R4", 1, "szRD"},
    {&frmMap::cmdFlrE, "5th Flr", "5th Floor", "R5", 1, "szMA"},
    {&frmMap::cmdFlrF, "6th Flr", "6th Floor", "R6", 8, "szMB"},
    {&frmMap::cmdFlrG, "7th Flr", "7th Floor", "R7", 8, "szRPty"},
}};

const std::initializer_list<ui::DesignProperty> kHiddenData = {{"Connect", "Access 2000;"}, {"Visible", false}};

const ui::FormDesign kDesign{
    {{"MDIChild", true}, {"Caption", ""}, {"Width", 13035}, {"Height", 8715}, {"BackColor", ui::color::kLightGreen}},
    {
        {"lblMode", {6720, 7320, 1215, 255}, {{"Visible", false}}},
        // The dates and their arrows stay hidden until the check-in or check-out road shows them.
        {"lblDIn",
         {840, 180, 915, 315},
         {{"Font", ui::font::kSans10Bold}, {"BackStyle", 0}, {"Caption", "Ck In:"}, {"Visible", false}}},
        {"txtDateIn", {1800, 120, 1455, 405}, {{"Font", ui::font::kSans12Bold}, {"Visible", false}}},
        {"cmdLess", {3300, 120, 375, 405}, {{"Caption", "<"}, {"Visible", false}}},
        {"cmdMore", {3720, 120, 375, 405}, {{"Caption", ">"}, {"Visible", false}}},
        {"lblDOut",
         {9180, 180, 975, 315},
         {{"Font", ui::font::kSans10Bold}, {"BackStyle", 0}, {"Caption", "Ck out:"}, {"Visible", false}}},
        {"txtDateOut", {10200, 120, 1455, 405}, {{"Font", ui::font::kSans12Bold}, {"Visible", false}}},
        {"cmdOLess", {11700, 120, 375, 405}, {{"Caption", "<"}, {"Visible", false}}},
        {"cmdOMore", {12120, 120, 375, 405}, {{"Caption", ">"}, {"Visible", false}}},
        {"lblFlrs",
         {5280, 120, 2655, 375},
         {{"Alignment", ui::kCenter}, {"Font", ui::FontRole{"Comic Sans MS", 15.75, true}}, {"BackStyle", 0}}},
        // The legend: a colour square of each state, and its name under it.
        {"Label1", {1920, 7440, 375, 255}, {{"BackColor", ui::color::kGreen}, {"BorderStyle", 1}}},
        {"Label4",
         {1620, 7710, 975, 255},
         {{"Caption", "Vacant"}, {"Alignment", ui::kCenter}, {"BackStyle", 0}, {"Font", ui::font::kDialogBold}}},
        {"Label2", {2880, 7440, 375, 255}, {{"BackColor", frmMap::kReserved}, {"BorderStyle", 1}}},
        {"Label5",
         {2580, 7710, 975, 255},
         {{"Caption", "Reserved"}, {"Alignment", ui::kCenter}, {"BackStyle", 0}, {"Font", ui::font::kDialogBold}}},
        {"Label3", {1920, 8040, 375, 255}, {{"BackColor", frmMap::kInHouse}, {"BorderStyle", 1}}},
        {"Label6",
         {1620, 8310, 975, 255},
         {{"Caption", "Check In"}, {"Alignment", ui::kCenter}, {"BackStyle", 0}, {"Font", ui::font::kDialogBold}}},
        {"Label8", {2880, 8040, 375, 255}, {{"BackColor", ui::color::kActiveTitleText}, {"BorderStyle", 1}}},
        {"Label9",
         {2580, 8310, 975, 255},
         {{"Caption", "Check Out"}, {"Alignment", ui::kCenter}, {"BackStyle", 0}, {"Font", ui::font::kDialogBold}}},
        // The word stands in the button's picture; until the pictures ship it is the caption.
        {"cmdClose", {0, 7920, 1635, 800}, {{"Style", 1}, {"Caption", "Close"}}},
        {"datRoom", {}, kHiddenData},
        {"datBak", {}, kHiddenData},
        {"datVRoom", {}, kHiddenData},
        {"datTable", {}, kHiddenData},
    }};

}  // namespace

frmMap::frmMap() {
    ui::applyDesign(*this, kDesign);

    for (int i = 1; i <= settings::kRoomPositions; ++i) {
        int row = (i - 1) / kColumns, column = (i - 1) % kColumns;
        ui::CommandButton& room = cmdRoom(i);
        room.Move(240 + 1440 * column, 720 + 1320 * row, 1000, 930);
        room.setFont(kRoomFont.font());
        room.setStyle(1);
        room.setBackColor(ui::color::kGreen);
        room.setVisible(false);
        ui::CommandButton& name = cmdName(i);
        name.Move(1440 * column, 1635 + 1320 * row, 1455, 315);
        name.setStyle(1);
        name.setBackColor(ui::color::kWhite);
        name.setVisible(false);
    }
    cmdRoom.onClick([this](int Index) { cmdRoom_Click(Index); });
    cmdName.onClick([this](int Index) { cmdName_Click(Index); });

    double left = 3600;
    for (const Floor& f : kFloors) {
        ui::CommandButton& button = this->*f.button;
        button.setCaption(f.caption);
        button.Move(left, 7680, 1300, 1005);
        button.setFont(kFloorFont.font());
        button.setStyle(1);
        button.setBackColor(ui::color::kMidGreen);
        left += 1320;
    }
    cmdFlrA.onClick([this] { cmdFlrA_Click(); });
    cmdFlrB.onClick([this] { cmdFlrB_Click(); });
    cmdFlrC.onClick([this] { cmdFlrC_Click(); });
    cmdFlrD.onClick([this] { cmdFlrD_Click(); });
    cmdFlrE.onClick([this] { cmdFlrE_Click(); });
    cmdFlrF.onClick([this] { cmdFlrF_Click(); });
    cmdFlrG.onClick([this] { cmdFlrG_Click(); });

    cmdClose.onClick([this] { cmdClose_Click(); });
    cmdLess.onClick([this] { cmdLess_Click(); });
    cmdMore.onClick([this] { cmdMore_Click(); });
    cmdOLess.onClick([this] { cmdOLess_Click(); });
    cmdOMore.onClick([this] { cmdOMore_Click(); });
}

// The room names, the stays and the open folios lie by the station's one rule; the floor flags
// are read from the program folder's copy, the one the rooms-by-floor screen keeps.
void frmMap::Form_Load() {
    settings::CentreForm(*this, 5, false);
    datTable.setDatabaseName(settings::ResolveDataPath(shell::kOpenFolioStore));
    datTable.setRecordSource(std::string(shell::kOpenFolioTable));
    datVRoom.setDatabaseName(settings::ResolveDataPath(kReservationStore));
    datVRoom.setRecordSource(std::string(kReservationTable));
    datRoom.setDatabaseName(settings::ResolveDataPath(settings::kStationStore));
    datRoom.setRecordSource("tblRooms");
    datBak.setDatabaseName(os::programPath(settings::kMenuStore));
    datBak.setRecordSource("tbSetInfor");
    if (db::Status read = datBak.Refresh(); !read) {
        datBak.report(read.error());
        return;
    }
    for (const Floor& f : kFloors) {
        auto hidden = datBak.Recordset().field(f.flag);
        if (hidden && !hidden->isNull() && hidden->toBool()) (this->*f.button).setVisible(false);
    }
}

// Every return to the map shows the first floor, drawn anew, even when its button is hidden.
void frmMap::Form_Activate() { drawFloor(1); }

void frmMap::cmdFlrA_Click() { drawFloor(1); }
void frmMap::cmdFlrB_Click() { drawFloor(2); }
void frmMap::cmdFlrC_Click() { drawFloor(3); }
void frmMap::cmdFlrD_Click() { drawFloor(4); }
void frmMap::cmdFlrE_Click() { drawFloor(5); }
void frmMap::cmdFlrF_Click() { drawFloor(6); }
void frmMap::cmdFlrG_Click() { drawFloor(7); }

// Position i takes the room of the tblRooms row whose ID1 is exactly i.
void frmMap::drawFloor(int floor) {
    const Floor& f = kFloors[static_cast<std::size_t>(floor - 1)];
    lblFlrs.setCaption(f.title);
    HideAllRoomButtons();
    ui::DataRecordset& rooms = datRoom.Recordset();
    std::vector<int> shown;
    for (int i = f.first; i <= settings::kRoomPositions; ++i) {
        position_ = i;
        ui::CommandButton& room = cmdRoom(i);
        room.setCaption("");
        if (db::Status found = rooms.FindFirst("ID1 = " + db::quote(std::to_string(i))); !found || rooms.noMatch())
            continue;
        room.setCaption(rooms.fieldText(f.column));
        if (room.caption().empty()) continue;
        room.setVisible(true);
        shown.push_back(i);
    }
    readFloorStays(shown);
    for (int i : shown) {
        position_ = i;
        ColourRoomButton();
    }
}

// Only the stays that can mark a room for the mode are asked for: those arriving on the check-in
// day, leaving on the check-out day, or those the collision rule can take against the map's stay.
// Without such a day (or with another mode) no stay marks a room. Each alternative names the rooms
// with its dates, so that the index on a room and a date serves it. A store that cannot be read
// leaves the rooms vacant: its data control told the clerk when it opened.
void frmMap::readFloorStays(const std::vector<int>& positions) {
    staysAt_.assign(settings::kRoomPositions + 1, {});
    if (positions.empty()) return;
    const std::string& mode = lblMode.caption();
    std::vector<std::string> dates;
    // A date field may hold a time of day too.
    auto onDay = [&dates](const char* field, std::string_view text) {
        if (auto day = core::parseDate(text))
            dates.push_back("[" + std::string(field) + "] >= " + db::dateLiteral(*day) + " AND [" + field + "] < " +
                            db::dateLiteral(core::addDays(*day, 1)));
    };
    if (mode == "ChkI") {
        onDay("szDate_in", txtDateIn.text());
    } else if (mode == "ChkO") {
        onDay("szDate_Out", txtDateOut.text());
    } else if (mode == "Reserv") {
        auto arrival = core::parseDate(txtDateIn.text());
        auto departure = core::parseDate(txtDateOut.text());
        if (arrival && departure) dates = collidingStaysCriteria("szDate_in", "szDate_Out", *arrival, *departure);
    }
    if (dates.empty()) return;
    std::vector<std::string> names;
    for (int i : positions) names.push_back(cmdRoom(i).caption());
    std::string rooms = roomsCriterion("szRoom1", names), where;
    for (const std::string& d : dates) where += (where.empty() ? "(" : " OR (") + rooms + " AND " + d + ")";
    auto store = db::Database::open(datVRoom.databaseName());
    if (!store) return;
    auto stays = store->openRecordset("SELECT szRoom1, szDate_in, szDate_Out, sLast_na, szID_type, szID_nu FROM " +
                                      std::string(kReservationTable) + " WHERE " + where);
    // Every row is read: taken at once, rather than the first alone and then the rest.
    if (!stays || stays->recordCount() == 0) return;
    auto date = [&](int field) -> std::optional<core::Date> {
        auto value = stays->field(field);
        if (!value || value->isNull()) return std::nullopt;
        return core::parseDate(value->toText());
    };
    for (db::Status st = stays->MoveFirst(); st && !stays->eof(); st = stays->MoveNext()) {
        std::string room = stays->fieldText(0);
        RoomStay stay{date(1), date(2), stays->fieldText(3),
                      !stays->fieldText(4).empty() || !stays->fieldText(5).empty()};
        for (int i : positions)
            if (sameRoom(room, cmdRoom(i).caption())) staysAt_[static_cast<std::size_t>(i)].push_back(stay);
    }
}

void frmMap::HideAllRoomButtons() {
    for (int i = 1; i <= settings::kRoomPositions; ++i) {
        position_ = i;
        cmdRoom(i).setVisible(false);
        cmdName(i).setVisible(false);
    }
}

// The room starts vacant, which also clears what the floor drawn before left on its buttons;
// each of its stays that matches the mode marks it, and the last such in stored order decides.
void frmMap::ColourRoomButton() {
    MarkVacant();
    const std::string& mode = lblMode.caption();
    for (const RoomStay& stay : staysAt_[static_cast<std::size_t>(position_)]) {
        if (mode == "ChkI")
            MarkCheckInDay(stay);
        else if (mode == "ChkO")
            MarkCheckOutDay(stay);
        else if (mode == "Reserv")
            MarkOverlappingStay(stay);
    }
}

void frmMap::MarkCheckInDay(const RoomStay& stay) {
    auto day = core::parseDate(txtDateIn.text());
    if (stay.arrival && day && *stay.arrival == *day) MarkOccupied(stay);
}

void frmMap::MarkCheckOutDay(const RoomStay& stay) {
    auto day = core::parseDate(txtDateOut.text());
    if (!stay.departure || !day || *stay.departure != *day) return;
    cmdRoom(position_).setBackColor(kDueOut);
    ui::CommandButton& name = cmdName(position_);
    name.setBackColor(kDueOut);
    name.setCaption(stay.lastName);
    name.setVisible(true);
}

// Map dates that are not dates collide with nothing: the room stays as MarkVacant left it.
void frmMap::MarkOverlappingStay(const RoomStay& stay) {
    auto arrival = core::parseDate(txtDateIn.text());
    auto departure = core::parseDate(txtDateOut.text());
    if (!arrival || !departure) return;
    if (staysCollide({stay.arrival, stay.departure}, *arrival, *departure)) MarkOccupied(stay);
}

// Red while the stay is only reserved, yellow once the guest's identity document is recorded.
void frmMap::MarkOccupied(const RoomStay& stay) {
    ui::CommandButton& name = cmdName(position_);
    name.setVisible(true);
    name.setCaption(stay.lastName);
    ui::Color colour = stay.documented ? kInHouse : kReserved;
    cmdRoom(position_).setBackColor(colour);
    name.setBackColor(colour);
}

void frmMap::MarkVacant() {
    cmdRoom(position_).setBackColor(kVacant);
    cmdName(position_).setVisible(false);
}

// ---- Choosing a room ----

// An occupied room opens the room screen over the map, with the room's open folio and its guest's
// stay; a vacant room is booked: in reservation mode on the reservation screen, over the map,
// with the map's stay; in check-in and check-out mode the guest first gets stay dates on the
// picker.
void frmMap::cmdRoom_Click(int Index) {
    ui::CommandButton& button = cmdRoom(Index);
    std::string room = button.caption();
    // Another station may have opened a folio since the map was loaded.
    (void)datTable.Refresh();
    ui::Color state = button.backColor();
    if (state == kReserved || state == kInHouse || state == kDueOut) {
        OpenOccupiedRoom(Index);
        return;
    }
    const std::string& mode = lblMode.caption();
    if (mode == "Reserv") {
        frmReservAdd& booking = ui::forms().get<frmReservAdd>();
        booking.txtDateIn.setText(txtDateIn.text());
        booking.txtDateOut.setText(txtDateOut.text());
        booking.txtRoom1.setText(room);
        booking.lblForm.setCaption("Reservation Form");
        booking.Show();
    } else if (mode == "ChkI" || mode == "ChkO") {
        ui::forms().get<frmChkDate>().Show();
        Unload();
    }
}

// Each step that fails is skipped. The folio and the guest are those of this very room: by a
// prefix, room 10 would open room 101's folio, and a room coloured by a stay stored as "12a"
// would open without its guest under the button "12A".
void frmMap::OpenOccupiedRoom(int Index) {
    std::string room = cmdRoom(Index).caption();
    // The room screen is the folio's, a later part: it is reached by name and filled through its controls.
    ui::Form& screen = ui::forms().byName("frmRooms");
    ui::DataRecordset& folios = datTable.Recordset();
    std::string byRoom = roomCriterion("sz_Table", room);
    if (db::Status found = folios.FindFirst(byRoom); found && !folios.noMatch()) {
        shell::setOn(screen, "txtWaiter", "Text", folios.fieldText("sz_waiter"));
        shell::setOn(screen, "lblAskfor", "Caption", folios.fieldText("sz_Table"));
        shell::setOn(screen, "cmbRept", "Text", folios.fieldText("sz_Chk"));
        shell::setOn(screen, "cmbRept", "Tag", "OldNum");
    }

    // Of the first two stays whose last name begins with the name shown, the first in this room.
    std::string byName = db::prefixCriterion("sLast_na", cmdName(Index).caption());
    ui::DataRecordset& stays = datVRoom.Recordset();
    db::Status found = stays.FindFirst(byName);
    for (int tries = 0; tries < 2 && found && !stays.noMatch(); ++tries) {
        if (sameRoom(stays.fieldText("szRoom1"), room)) {
            FillRoomScreenFromReservation(screen);
            break;
        }
        found = stays.FindNext(byName);
    }
    screen.Show();
}

// A field without a value leaves its box as it was. The room screen keeps the row itself as its
// own stay, so that its saves and its check-out never touch another guest's reservation.
void frmMap::FillRoomScreenFromReservation(ui::Form& screen) {
    ui::DataRecordset& stay = datVRoom.Recordset();
    struct Copy {
        const char* field;
        const char* box;
    };
    for (const Copy& c : {Copy{"szRoom1", "txtRoom"},
                          Copy{"szDate_in", "txtDateIn"},
                          Copy{"szDate_Out", "txtDateOut"},
                          Copy{"sLast_na", "txtLastN"},
                          Copy{"sFirst_nm", "txtFirstN"},
                          Copy{"szStreet_ad", "txtAdds"},
                          Copy{"szCity_nm", "txtCity"},
                          Copy{"sState_cd", "txtState"},
                          Copy{"sZip_cd", "txtZip"},
                          Copy{"szCountry", "txtCountry"},
                          Copy{"sPhone_no", "txtPhone"},
                          Copy{"szbd_date", "txtBD"},
                          Copy{"szRemark", "txtRemark"},
                          Copy{"szID_type", "cmbIDtype"},
                          Copy{"szID_nu", "txtIDnu"},
                          Copy{"szID_state", "txtIDstate"},
                          Copy{"szID_country", "txtIDcountry"},
                          Copy{"szID_Exp", "txtIDExp"},
                          Copy{"szLicense_Plate", "txtLicensePlate"},
                          Copy{"szLicense_State", "txtLstate"},
                          Copy{"szCar_Color", "txtColor"},
                          Copy{"szCar_Make", "cmbMake"},
                          Copy{"szCar_Model", "txtModel"},
                          Copy{"szCar_yrs", "cmbYrs"},
                          Copy{"szParty_nu", "txtGuest"},
                          Copy{"szRate_curr", "txtRate"}}) {
        auto value = stay.field(c.field);
        if (!value || value->isNull()) continue;
        shell::setOn(screen, c.box, "Text", value->toText());
    }
    if (auto row = stay.bookmark()) dynamic_cast<OwnStay&>(screen).keepOwnStay(*row);
}

void frmMap::cmdName_Click(int Index) { cmdRoom_Click(Index); }

// ---- The date arrows ----

// A box that holds no date is left alone, and nothing is redrawn.
void frmMap::moveDate(ui::TextBox& box, int days) {
    auto date = core::parseDate(box.text());
    if (!date) return;
    box.setText(core::shortDate(core::addDays(*date, days)));
    RedrawCurrentFloor();
}

void frmMap::cmdLess_Click() { moveDate(txtDateIn, -1); }
void frmMap::cmdMore_Click() { moveDate(txtDateIn, 1); }
void frmMap::cmdOLess_Click() { moveDate(txtDateOut, -1); }
void frmMap::cmdOMore_Click() { moveDate(txtDateOut, 1); }

// Before any floor is drawn the title matches none, and nothing is drawn.
void frmMap::RedrawCurrentFloor() {
    for (std::size_t i = 0; i < kFloors.size(); ++i) {
        if (lblFlrs.caption() == kFloors[i].title) {
            drawFloor(static_cast<int>(i) + 1);
            return;
        }
    }
}

// Entered from the main panel the map goes back to it; entered from the stay-date picker, to a
// fresh picker.
void frmMap::cmdClose_Click() {
    if (tag() == "Chk In" || tag() == "Chk Out")
        ui::forms().get<shell::frmMainButn>().Show();
    else
        ui::forms().get<frmChkDate>().Show();
    Unload();
}

}  // namespace pelk::reservations
