#pragma once

// The routines every screen shares: where a store lies, placing a screen, returning to a hub,
// picture buttons, the record editors' error box, renewing a store from its blank template, the
// second-language toggle, drawing the section buttons, asking through the choice box and choosing
// the front printer.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/value.h"
#include "platform/db/error.h"
#include "platform/db/recordset.h"
#include "platform/ui/data.h"
#include "platform/ui/ui.h"

namespace pelk::settings {

// The background of the screens (light green) and of the choice box (white), as &H00BBGGRR.
inline constexpr ui::Color kScreenGreen = 0xC0FFC0;
inline constexpr ui::Color kWhite = 0xFFFFFF;

// The two data location modes; only "File Sharing" reaches the shared folder.
inline constexpr std::string_view kModeSingle = "Single";
inline constexpr std::string_view kModeSharing = "File Sharing";
// What a new station's server path "-" becomes (the set-up wizard uses the same one).
inline constexpr std::string_view kDefaultServerPath = "\\\\SERVER\\";
// A screen whose Tag is this was opened from the main window's menu.
inline constexpr std::string_view kFromMenu = "QS";

// ---- Data location ----

// The full path of a store by the data location rule: exactly "File Sharing" gives the server
// path, the shared folder and the file; any other mode the program folder. Reads the holder
// frmNWSetin, loading it hidden on first use.
std::string ResolveDataPath(std::string_view fileName);
// A shared folder typed with a ".." that climbs above its server or drive names another place
// than the one typed: the clerk is told, and true is returned (nothing is looked up or stored).
bool RefusedAsClimbing(const std::string& typed);
// The same rule on given values: parts joined with exactly one backslash between them.
std::string dataPathFor(std::string_view mode, std::string_view serverPath, std::string_view sharedFolder,
                        std::string_view fileName);

// ---- Writing a settings row ----

// Edits the data control's current row, sets one field and updates it at once (with the bound
// controls' pending edits). A failure is told to the clerk and returned; the row stays as stored.
db::Status writeField(ui::Data& data, std::string_view field, const core::Value& value);

// ---- Tax rates ----

// A tax rate is empty (no tax) or a plain fraction from 0 up to, not including, 1.
bool isRate(std::string_view typed);
// Why `typed` cannot be stored as the rate called `name` (the clerk's message), or "" when it can.
std::string rateRefusal(std::string_view name, std::string_view typed);

// ---- Placing and leaving screens ----

// Centres the screen across the display, its top at 1/k of the free height, never above or left
// of the display; paints the light-green background when asked.
void CentreForm(ui::Form& screen, double k, bool paintBackground = true);

// The close of a screen opened from a hub: marked "QS" it only unloads; otherwise it unloads and
// shows its hub without waiting. A hub nobody has registered yet is not shown.
void CloseToHub(ui::Form& screen, std::string_view hub);
template <class Hub>
void CloseToHub(ui::Form& screen) {
    bool fromMenu = screen.tag() == kFromMenu;
    if (!screen.Unload() || fromMenu) return;
    ui::forms().get<Hub>().Show();
}

// The picture buttons of the hubs: pressed, the picture hides (baring its pressed picture) and
// beeps; released, it shows again, the hub unloads and the target screen shows without waiting.
struct PressImageButton {
    static void MouseDown(ui::Control& picture);
    static void MouseUp(ui::Control& picture, ui::Form& hub, std::string_view target);
    template <class Target>
    static void MouseUp(ui::Control& picture, ui::Form& hub) {
        picture.setVisible(true);
        hub.Unload();
        ui::forms().get<Target>().Show();
    }
};

// ---- Errors of the record editors ----

// The legacy runtime's "File not found", which the record editors pass over.
inline constexpr int kErrFileNotFound = 53;
inline constexpr std::string_view kEditErrorTitle = "Incorrect Enter, Please follow the users menu.";

// The error handler of a record editor's procedure. Each statement's outcome goes through it:
//
//     EditErrorHandler onError;
//     if (!onError(datInfor.Recordset().Edit())) return;
//
// true: go on (the statement worked, or failed with error 53); false: the box "Error #: …" has
// been shown and the procedure ends there.
class EditErrorHandler {
public:
    explicit EditErrorHandler(int buttons = ui::kOKOnly) : buttons_(buttons) {}
    bool operator()(const db::Status& outcome);
    bool operator()(int errorNumber, std::string_view description);

private:
    int buttons_;
};
// The text the handler switches on each error 53 ("" ↔ "\Frm"); nothing reads it.
const std::string& FrmPathPrefix();

// ---- Renewing a store from its blank template ----

struct Renewal {
    std::string templateFile;  // "VyOrdr.mdb", in the program folder
    std::string liveFile;      // "TOrdr.mdb", in the program folder
    // Shown (OK, no title) when the template is missing; empty: the general failure message.
    std::string missingTemplateMessage;
    // The screen whose data controls hold the store: unloaded before, shown again after.
    ui::Form* screen = nullptr;
};
// Asks; only a "Yes" to this question goes on. The live store is replaced whole by the template
// or, when the template is missing or anything fails, left as it was and the clerk is told.
// True when the store was renewed.
bool RenewFromTemplate(const std::function<bool()>& ask, const Renewal& renewal);
// A plain question with Yes and No, no title of its own: true for Yes.
bool AskYesNo(std::string_view prompt);
// Asks through the choice box frmMsgbox in `mode`: the answer control is registered with the box
// (which clears its Tag) before it is shown waiting; true when the box wrote "Yes" there.
bool AskChoiceBox(std::string_view mode, ui::Control& answerControl);

// ---- Second language ----

// cmdEtoC_Click of the screens with second-language pictures: "C" shows the pictures, hides the
// English labels, turns to "E" on red; "E" turns back to "C" on yellow; any other caption nothing.
void ToggleSecondLanguage(ui::CommandButton& cmdEtoC, const std::vector<ui::Control*>& englishLabels,
                          const std::vector<ui::Control*>& pictures);

// ---- Menu sections ----

inline constexpr int kSections = 14;
// Each section's name as a new store first names it, by section index; the store renames them.
inline constexpr std::array<std::string_view, kSections> kSectionNames = {
    "Drink", "Appetizer", "Fried rice", "Lo mein", "VDishes", "Vegetables", "Poultry",
    "Beef",  "Seafood",   "Soup",       "Pork",    "Lamb",    "Lunch",      "Dinner"};
// The picture field of each section by section index: Soup's is p11 and Lamb's p9.
inline constexpr std::array<std::string_view, kSections> kSectionPictureField = {
    "p0", "p1", "p2", "p3", "p4", "p5", "p6", "p7", "p8", "p11", "p10", "p9", "p12", "p13"};
using SectionButtons = std::array<ui::CommandButton*, kSections>;  // by section index; nullptr left out
// The sections with a station list of their own; Lunch and Dinner, after them, always print at "B".
inline constexpr int kStationSections = 12;
using StationLists = std::array<ui::ComboBox*, kStationSections>;  // by section index

// Offers each station list its codes: Drink prints at the drinks station, Fried rice and Lo mein
// in a kitchen or at the salads, every other section in a kitchen; "-" prints nowhere but the front.
void FillStationLists(const StationLists& lists);

// Draws the section buttons: "2.Custom" shows the names without pictures; any other mode the
// pictures of `mainRow` (the current row of tbSetMain) without captions. A picture that cannot be
// loaded leaves that button's picture as it was.
void DrawSectionButtons(const SectionButtons& buttons, std::string_view mode,
                        const std::array<std::string, kSections>& names, db::Recordset* mainRow);
// The same with the mode and the names read from the holder frmInfor.
void DrawSectionButtons(const SectionButtons& buttons, db::Recordset* mainRow);

// ---- Front printer ----

// Makes the front printer current before a printout, by frmSetPtr's Cmb1, txtPtr1 and cmbType
// (or the given name pattern); when no installed printer qualifies the current one stays.
void SelectFrontPrinter();
void SelectFrontPrinter(std::string_view namePattern);
// The port-only form of the clock ticket.
void SelectFrontPrinterByPort();

}  // namespace pelk::settings
