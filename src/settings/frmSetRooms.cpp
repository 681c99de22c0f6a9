#include "settings/frmSetRooms.h"

#include <string>

#include "platform/core/text.h"
#include "platform/db/quoting.h"
#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "settings/frmBSfwSet.h"

namespace pelk::settings {

namespace {

constexpr int kColumns = 9;
constexpr std::string_view kEnable = "Enable";
constexpr std::string_view kDisable = "Disable";

std::string positionList(const std::vector<int>& positions) {
    std::string list;
    for (int p : positions) list += (list.empty() ? "" : ", ") + std::to_string(p);
    return list;
}

const ui::FormDesign kDesign{
    {{"Caption", ""},
     {"MDIChild", true},
     {"BorderStyle", 0},
     {"ControlBox", false},
     {"Width", 11520},
     {"Height", 9360}},
    {
        {"datPritOut", {}, {{"Connect", "Access 2000;"}, {"RecordSource", "tbSetInfor"}, {"Visible", false}}},
        {"cmdClose", {240, 8280, 1215, 735}, {{"Style", 1}, {"Picture", ui::picture("Back")}}},
        {"datRoom", {}, {{"Connect", "Access 2000;"}, {"RecordSource", "tblRooms"}, {"Visible", false}}},
    }};

}  // namespace

const std::array<frmSetRooms::Floor, kFloors> frmSetRooms::kFloorsShown = {{{"RoomA", "R1"},
                                                                            {"RoomB", "R2"},
                                                                            {"RoomC", "R3"},
                                                                            {"RoomD", "R4"},
                                                                            {"SmokinA", "R5"},
                                                                            {"SmokinB", "R6"},
                                                                            {"Part", "R7"}}};

frmSetRooms::frmSetRooms() {
    ui::applyDesign(*this, kDesign);
    txtTable.unload(0);
    for (int i = 1; i <= kRoomPositions; ++i) {
        int row = (i - 1) / kColumns, column = (i - 1) % kColumns;
        double left = 240 + column * 1215, top = 240 + row * 1335;
        txtTable(i).Move(left, top, 1095, 375);
        auto blank = std::make_unique<ui::CommandButton>(this, "Command" + std::to_string(i));
        blank->Move(left, top + 405, 1095, 855);
        blank->setTabStop(false);
        blanks_.push_back(std::move(blank));
    }

    ui::CommandButton* buttons[] = {&cmdRoomA, &cmdRoomB, &cmdRoomC, &cmdRoomD, &cmdSmokinA, &cmdSmokinB, &cmdPart};
    ui::CheckBox* flags[] = {&chkRA, &chkRB, &chkRC, &chkRD, &chkMA, &chkMB, &chkRPty};
    const char* flagFields[] = {"szRA", "szRB", "szRC", "szRD", "szMA", "szMB", "szRPty"};
    ui::Label* letters[] = {&lblA, &lblB, &lblC, &lblD};
    // The category buttons carry no caption: their pictures name the room map's floor each one edits.
    const char* floors[] = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th"};
    for (int f = 0; f < kFloors; ++f) {
        double left = 600 + f * 1575;
        buttons[f]->setStyle(1);
        buttons[f]->setPicture(ui::Picture::design(floors[f]));
        buttons[f]->setFontBold(true);
        buttons[f]->Move(left, 6960, 1095, 735);
        flags[f]->setCaption(std::string(kEnable));
        flags[f]->setBackColor(kScreenGreen);
        flags[f]->Move(left, 7755, 1095, 255);
        datPritOut.bind(*flags[f], flagFields[f]);
        if (f < 4) {
            letters[f]->setCaption(std::string(1, static_cast<char>('A' + f)));
            letters[f]->setAlignment(ui::kCenter);
            letters[f]->setBorderStyle(1);
            letters[f]->Move(left - 315, 6960, 255, 255);
        }
    }

    cmdRoomA.onClick([this] { cmdRoomA_Click(); });
    cmdRoomB.onClick([this] { cmdRoomB_Click(); });
    cmdRoomC.onClick([this] { cmdRoomC_Click(); });
    cmdRoomD.onClick([this] { cmdRoomD_Click(); });
    cmdSmokinA.onClick([this] { cmdSmokinA_Click(); });
    cmdSmokinB.onClick([this] { cmdSmokinB_Click(); });
    cmdPart.onClick([this] { cmdPart_Click(); });
    chkRA.onClick([this] { chkRA_Click(); });
    chkRB.onClick([this] { chkRB_Click(); });
    chkRC.onClick([this] { chkRC_Click(); });
    chkRD.onClick([this] { chkRD_Click(); });
    chkMA.onClick([this] { chkMA_Click(); });
    chkMB.onClick([this] { chkMB_Click(); });
    chkRPty.onClick([this] { chkRPty_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

// The flags are this station's own whatever the data location; the names follow the location.
// Until a floor is chosen there is nowhere for a typed name to go, so the boxes take nothing.
void frmSetRooms::Form_Load() {
    CentreForm(*this, 20);
    datPritOut.setDatabaseName(os::programPath(kMenuStore));
    datRoom.setDatabaseName(ResolveDataPath(kStationStore));
    for (ui::TextBox* box : txtTable.members()) box->setEnabled(false);
}

void frmSetRooms::cmdRoomA_Click() { showFloor(0); }
void frmSetRooms::cmdRoomB_Click() { showFloor(1); }
void frmSetRooms::cmdRoomC_Click() { showFloor(2); }
void frmSetRooms::cmdRoomD_Click() { showFloor(3); }
void frmSetRooms::cmdSmokinA_Click() { showFloor(4); }
void frmSetRooms::cmdSmokinB_Click() { showFloor(5); }
void frmSetRooms::cmdPart_Click() { showFloor(6); }

void frmSetRooms::chkRA_Click() { flagClicked(chkRA); }
void frmSetRooms::chkRB_Click() { flagClicked(chkRB); }
void frmSetRooms::chkRC_Click() { flagClicked(chkRC); }
void frmSetRooms::chkRD_Click() { flagClicked(chkRD); }
void frmSetRooms::chkMA_Click() { flagClicked(chkMA); }
void frmSetRooms::chkMB_Click() { flagClicked(chkMB); }
void frmSetRooms::chkRPty_Click() { flagClicked(chkRPty); }

void frmSetRooms::cmdClose_Click() {
    SaveRoomNames();
    Unload();
    ui::forms().get<frmBSfwSet>().Show();
}

// Runs for every change of the value, the reading of the stored row included, so the caption
// always tells the flag: "Disable" while the floor is hidden from the map.
void frmSetRooms::flagClicked(ui::CheckBox& flag) {
    flag.setCaption(std::string(flag.caption() == kEnable ? kDisable : kEnable));
}

// The row whose ID1 is exactly the position: a prefix would take row 10 for a missing row 1, and
// its names would then be overwritten with those of position 1.
bool frmSetRooms::findPosition(int position) {
    ui::DataRecordset& rooms = datRoom.Recordset();
    if (!rooms.FindFirst("ID1 = " + db::quote(std::to_string(position)))) return false;
    return !rooms.noMatch();
}

void frmSetRooms::showFloor(int floor) {
    SaveRoomNames();
    setTag(kFloorsShown[floor].word);
    ui::DataRecordset& rooms = datRoom.Recordset();
    for (int i = 1; i <= kRoomPositions; ++i) {
        ui::TextBox& box = txtTable(i);
        box.setText("");
        present_[i] = findPosition(i);
        if (present_[i]) {
            if (auto name = rooms.field(kFloorsShown[floor].column); name.ok() && !name->isNull())
                box.setText(name->toText());
        }
        // A position the table lacks has no row to keep a name in.
        box.setEnabled(present_[i]);
        shown_[i] = box.text();
    }
}

void frmSetRooms::SaveRoomNames() {
    if (db::Status reread = datRoom.Refresh(); !reread) {
        datRoom.report(reread.error());
        return;
    }
    const Floor* floor = nullptr;
    for (const Floor& f : kFloorsShown)
        if (tag() == f.word) floor = &f;
    if (!floor) return;

    ui::DataRecordset& rooms = datRoom.Recordset();
    int size = 0;
    if (int column = rooms.fieldIndex(floor->column); column >= 0) size = rooms.fields()[column].size;

    auto store = [&](int position, const std::string& name) -> db::Status {
        if (!findPosition(position))
            return db::Error{datRoom.databaseName(),
                             "Position " + std::to_string(position) + " is no longer in tblRooms.",
                             db::code::kNoCurrentRecord};
        if (db::Status s = rooms.Edit(); !s) return s;
        if (db::Status s = rooms.setField(floor->column, name); !s) return s;
        return rooms.Update();
    };
    std::vector<int> tooLong, refused;
    std::string reason;
    for (int i = 1; i <= kRoomPositions; ++i) {
        const std::string& name = txtTable(i).text();
        if (!present_[i] || name == shown_[i]) continue;
        if (size > 0 && core::text::len(name) > static_cast<std::size_t>(size)) {
            tooLong.push_back(i);
            continue;
        }
        db::Status saved = store(i, name);
        if (saved) {
            shown_[i] = name;
            continue;
        }
        if (rooms.editMode() != db::EditMode::None) (void)rooms.CancelUpdate();
        refused.push_back(i);
        if (reason.empty()) reason = saved.error().reason;
    }
    if (!tooLong.empty())
        ui::MsgBox("A room name holds at most " + std::to_string(size) +
                       " characters. These positions keep their old names: " + positionList(tooLong) + ".",
                   ui::kExclamation);
    if (!refused.empty())
        ui::MsgBox("The room names of these positions could not be saved and keep their old names: " +
                       positionList(refused) + ". " + reason,
                   ui::kCritical);
}

}  // namespace pelk::settings
