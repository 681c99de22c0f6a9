#include "menu/frmFrontDeskPicAd.h"

#include <array>
#include <string>

#include "menu/sections.h"
#include "platform/db/quoting.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "settings/stores.h"

namespace pelk::menu {

namespace {

constexpr std::string_view kPictureFolder = "C:\\Program Files\\Pelk POS 4\\ItemPic\\";
constexpr std::string_view kNoPicture = "-";

constexpr std::array<double, 3> kColumnLeft = {2820, 4880, 6945};
constexpr std::array<double, 8> kRowTop = {30, 910, 1800, 2680, 3570, 4455, 5340, 6220};

// The slot selected last, kept for the program's run whatever screen instance shows it: its
// caption and index, and the number and section it showed then.
struct Selection {
    std::string caption;
    int index = 0;
    std::string number;
    std::string section;
};
Selection& selection() {
    static Selection s;
    return s;
}

const ui::FormDesign kDesign{
    {{"Caption", ""},
     {"MDIChild", true},
     {"BorderStyle", 0},
     {"ControlBox", false},
     {"Width", 10500},
     {"Height", 7695},
     {"BackColor", ui::color::kLightGreen}},
    {
        {"datList", {}, {{"Connect", "Access 2000;"}, {"RecordSource", "tbDinner"}, {"Visible", false}}},
        {"datMain", {}, {{"Connect", "Access 2000;"}, {"RecordSource", "tbSetMain"}, {"Visible", false}}},
        {"Label1",
         {120, 60, 2580, 435},
         {{"Caption", "C:\\Program Files\\Pelk POS 4\\ItemPic"}, {"WordWrap", true}, {"BackStyle", 0}}},
        {"File2", {120, 540, 2580, 5175}},
        {"cmdDelPic",
         {120, 5850, 2580, 495},
         {{"Caption", "Delet Button Pic"}, {"Style", 1}, {"BackColor", ui::color::kRed}}},
        // Its picture reads as the caption until the pictures ship.
        {"cmdClose", {120, 6480, 1590, 750}, {{"Caption", "Back"}, {"Style", 1}, {"BackColor", ui::color::kLightGrey}}},
        {"txtItems", {1800, 6480, 855, 285}, {{"BackColor", ui::color::kLightGrey}, {"Visible", false}}},
        {"cmdLast", {2820, 7170, 1215, 480}, {{"Caption", "Up"}}},
        {"cmdNext", {4880, 7170, 1215, 480}, {{"Caption", "Down"}}},
        {"cmdDrink", {6945, 7170, 795, 480}, {{"Style", 1}, {"BackColor", ui::color::kLightBlue}}},
    }};

}  // namespace

frmFrontDeskPicAd::frmFrontDeskPicAd() {
    ui::applyDesign(*this, kDesign);
    command.unload(0);
    for (int i = 1; i <= kSlots; ++i) {
        double left = kColumnLeft[(i - 1) / 8], top = kRowTop[(i - 1) % 8];
        ui::CommandButton& slot = command(i);
        slot.setStyle(1);
        slot.setBackColor(settings::kScreenGreen);
        slot.setFont(ui::font::kArial12Bold.font());
        slot.Move(left, top, 2050, 900);
        if (Text.exists(i)) {
            Text(i).setBackColor(settings::kScreenGreen);
            Text(i).setTabStop(false);
            Text(i).Move(left, top, 375, 255);
        }
    }

    settings::SectionButtons sections = sectionButtons();
    for (int s = 1; s < settings::kSections; ++s) {
        sections[s]->setStyle(1);
        sections[s]->setBackColor(s % 2 == 1 ? ui::color::kWhite : ui::color::kLightBlue);
        sections[s]->Move(9090, (s - 1) * 590, 1300, 590);
    }

    cmdDrink.onClick([this] { cmdDrink_Click(); });
    cmdApter.onClick([this] { cmdApter_Click(); });
    cmdFR.onClick([this] { cmdFR_Click(); });
    cmdLM.onClick([this] { cmdLM_Click(); });
    cmdVDishes.onClick([this] { cmdVDishes_Click(); });
    cmdVege.onClick([this] { cmdVege_Click(); });
    cmdPoultry.onClick([this] { cmdPoultry_Click(); });
    cmdBeef.onClick([this] { cmdBeef_Click(); });
    cmdSeafood.onClick([this] { cmdSeafood_Click(); });
    cmdSoup.onClick([this] { cmdSoup_Click(); });
    cmdPork.onClick([this] { cmdPork_Click(); });
    cmdLamb.onClick([this] { cmdLamb_Click(); });
    cmdLunch.onClick([this] { cmdLunch_Click(); });
    cmdDinner.onClick([this] { cmdDinner_Click(); });
    cmdLast.onClick([this] { cmdLast_Click(); });
    cmdNext.onClick([this] { cmdNext_Click(); });
    command.onClick([this](int i) { command_Click(i); });
    File2.onClick([this] { File2_Click(); });
    cmdDelPic.onClick([this] { cmdDelPic_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

settings::SectionButtons frmFrontDeskPicAd::sectionButtons() {
    return {&cmdDrink, &cmdApter,   &cmdFR,   &cmdLM,   &cmdVDishes, &cmdVege,  &cmdPoultry,
            &cmdBeef,  &cmdSeafood, &cmdSoup, &cmdPork, &cmdLamb,    &cmdLunch, &cmdDinner};
}

// A store that cannot be opened is told once by its data control; the screen stays usable. A
// new program folder gets its empty picture folder here, so the manager has a place for them.
void frmFrontDeskPicAd::Form_Load() {
    settings::CentreForm(*this, 5, false);
    datList.setDatabaseName(os::programPath(settings::kMenuStore));
    if (db::Status opened = datList.Refresh(); !opened) datList.report(opened.error());
    datMain.setDatabaseName(os::programPath(settings::kMenuStore));
    if (db::Status opened = datMain.Refresh(); !opened) datMain.report(opened.error());
    if (!os::folderExists(kPictureFolder)) (void)os::makeFolder(kPictureFolder);
    File2.setVisible(true);
    File2.setPath(std::string(kPictureFolder));
    settings::DrawSectionButtons(sectionButtons(), datMain.recordset());
    FillItemPage();
}

void frmFrontDeskPicAd::openSection(int index) {
    datList.setRecordSource(slotOrder(kMenuSections[index].table));
    (void)datList.Refresh();
    txtItems.setTag(std::string(kMenuSections[index].word));
    cmdLast.setTag("");
    FillItemPage();
}

void frmFrontDeskPicAd::cmdDrink_Click() { openSection(0); }
void frmFrontDeskPicAd::cmdApter_Click() { openSection(1); }
void frmFrontDeskPicAd::cmdFR_Click() { openSection(2); }
void frmFrontDeskPicAd::cmdLM_Click() { openSection(3); }
void frmFrontDeskPicAd::cmdVDishes_Click() { openSection(4); }
void frmFrontDeskPicAd::cmdVege_Click() { openSection(5); }
void frmFrontDeskPicAd::cmdPoultry_Click() { openSection(6); }
void frmFrontDeskPicAd::cmdBeef_Click() { openSection(7); }
void frmFrontDeskPicAd::cmdSeafood_Click() { openSection(8); }
void frmFrontDeskPicAd::cmdSoup_Click() { openSection(9); }
void frmFrontDeskPicAd::cmdPork_Click() { openSection(10); }
void frmFrontDeskPicAd::cmdLamb_Click() { openSection(11); }
void frmFrontDeskPicAd::cmdLunch_Click() { openSection(12); }
void frmFrontDeskPicAd::cmdDinner_Click() { openSection(13); }

// A fill writes only what it finds: a blank slot keeps its colour, and a page without items keeps
// the numbers of the page before (and so do the page buttons). The look-ups run on a cursor of
// their own. A store that cannot be searched leaves every slot as it was, turned white.
void frmFrontDeskPicAd::FillItemPage() {
    const std::string& kept = cmdLast.tag();
    int first = 0;
    if (kept.empty()) first = 1;
    if (kept == "2") {
        first = 25;
        cmdLast.setVisible(true);
    }
    if (kept == "3") first = 49;
    if (kept == "4") first = 73;
    if (first > 0) {
        db::Result<db::Recordset> items = datList.Recordset().Clone();
        bool numbered = false;
        for (int i = 1; i <= kSlots; ++i) {
            ui::CommandButton& slot = command(i);
            bool searched = items.ok() && items->FindFirst(slotCriterion(first + i - 1)).ok();
            if (searched && items->noMatch()) {
                slot.setPicture(ui::Picture{});
                slot.setCaption("");
                if (cmdLast.caption() == "1") cmdLast.setCaption("");
                continue;
            }
            if (searched) {
                if (auto name = items->field("szMenu_nm"); name.ok() && !name->isNull())
                    slot.setCaption(name->toText());
                std::string picture = items->fieldText("szDes");
                if (picture.empty() || picture == kNoPicture)
                    slot.setPicture(ui::Picture{});
                else if (auto loaded = ui::LoadPicture(picture))
                    slot.setPicture(*loaded);
            }
            slot.setBackColor(ui::color::kWhite);
            if (!numbered) {
                numbered = true;
                for (int j = 1; j <= kSlots; ++j) {
                    std::string number = std::to_string(first + j - 1);
                    command(j).setTag(number);
                    if (Text.exists(j)) Text(j).setText(number);
                }
            }
        }
    }
    ui::CommandButton& last = command(kSlots);
    bool blank = last.caption().empty();
    const std::array<std::string, 4> lastNumbers = {"24", "48", "72", "96"};
    for (int p = 1; p <= 4; ++p) {
        if (last.tag() != lastNumbers[p - 1]) continue;
        if (p == 1) cmdLast.setVisible(false);
        if (p > 1) {
            cmdLast.setCaption(std::to_string(p - 1));
            if (blank) cmdLast.setVisible(true);
        }
        cmdNext.setVisible(!blank);
        if (!blank) cmdNext.setCaption(std::to_string(p + 1));
    }
}

void frmFrontDeskPicAd::cmdLast_Click() {
    const std::string& target = cmdLast.caption();
    if (target == "1") cmdLast.setTag("");
    if (target == "2" || target == "3") cmdLast.setTag(target);
    FillItemPage();
}

void frmFrontDeskPicAd::cmdNext_Click() {
    const std::string& target = cmdNext.caption();
    if (target == "2" || target == "3" || target == "4") cmdLast.setTag(target);
    cmdLast.setVisible(true);
    FillItemPage();
}

void frmFrontDeskPicAd::command_Click(int index) {
    ui::CommandButton& slot = command(index);
    selection() = {slot.caption(), index, slot.tag(), datList.recordSource()};
    slot.setBackColor(ui::color::kRed);
}

// The row must still be the one the selected slot shows: the same section, the slot still under
// the number and caption it had, and a row of the store with that number and that name.
bool frmFrontDeskPicAd::findSelectedItem() {
    const Selection& chosen = selection();
    if (chosen.index == 0 || chosen.caption.empty() || chosen.section != datList.recordSource()) return false;
    ui::CommandButton& slot = command(chosen.index);
    if (slot.caption() != chosen.caption || slot.tag() != chosen.number) return false;
    std::optional<long> number = slotNumber(chosen.number);
    if (!number || !datList.Refresh().ok()) return false;
    ui::DataRecordset& items = datList.Recordset();
    std::string criterion = numberCriterion(*number) + " AND szMenu_nm = " + db::quote(chosen.caption);
    return items.FindFirst(criterion).ok() && !items.noMatch();
}

// A row the store refuses keeps its picture, and the clerk is told.
bool frmFrontDeskPicAd::storePicturePath(const std::string& path) {
    ui::DataRecordset& items = datList.Recordset();
    db::Status written = items.Edit();
    if (written) written = items.setField("szDes", path);
    if (written) written = items.Update();
    if (!written) {
        datList.report(written.error());
        if (items.editMode() != db::EditMode::None) (void)items.CancelUpdate();
    }
    return written.ok();
}

// A file that is no picture is neither shown nor stored.
void frmFrontDeskPicAd::File2_Click() {
    std::string name = File2.fileName();
    if (name.empty() || selection().index == 0) return;
    std::string path = std::string(kPictureFolder) + name;
    std::optional<ui::Picture> picture = ui::LoadPicture(path);
    if (!picture || !findSelectedItem()) return;
    command(selection().index).setPicture(*picture);
    (void)storePicturePath(path);
}

void frmFrontDeskPicAd::cmdDelPic_Click() {
    if (selection().index == 0 || !findSelectedItem()) return;
    command(selection().index).setPicture(ui::Picture{});
    (void)storePicturePath(std::string(kNoPicture));
}

// The hub that opened the screen is still behind it.
void frmFrontDeskPicAd::cmdClose_Click() { Unload(); }

}  // namespace pelk::menu
