#include "setup/frmRegister3.h"

#include <string>
#include <string_view>

#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "settings/frmInfor.h"
#include "settings/stores.h"
#include "setup/steps.h"
#include "shell/handoff.h"

namespace pelk::setup {

namespace {

constexpr std::string_view kPicturesFolder = "C:\\Program Files\\Pelk POS 4\\Section\\";
constexpr std::string_view kCustom = "2.Custom";

// Each section's word in the file list's Tag, by section index.
constexpr std::array<std::string_view, settings::kSections> kSectionWord = {
    "Drink", "Apter", "FR", "LM", "VD", "Vege", "Poultry", "Beef", "Seafood", "Soup", "Pork", "Lamb", "Lunch", "Diner"};

// The section buttons' places: rows of five, five and four.
constexpr double kGridLeft = 2640, kGridTop = 1920, kColumn = 1695, kRow = 1500;
constexpr double kButtonWidth = 1575, kButtonHeight = 975, kNameHeight = 315;

const ui::FormDesign kDesign{
    {},
    {
        {"Label1",
         {120, 600, 2655, 615},
         {{"Caption", "Please Name Your Menu Sections:"},
          {"Font", ui::font::kSans12Bold},
          {"BackStyle", 0},
          {"WordWrap", true}}},
        {"File2", {120, 1920, 2295, 2820}, {{"Font", ui::font::kDialog}}},
        {"lblPath",
         {120, 4800, 2295, 615},
         {{"Caption", kPicturesFolder}, {"Font", ui::font::kDialog}, {"WordWrap", true}, {"BackStyle", 0}}},
        {"lblMainMu", {120, 5520, 2295, 615}},
        {"cmdMainMu", {120, 5520, 2295, 615}, {{"Caption", "Picture or Text"}, {"Font", ui::font::kDialogBold}}},
        {"datMain", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
        {"datScrn", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
    }};

}  // namespace

frmRegister3::frmRegister3() : WizardStep(5) {
    ui::applyDesign(*this, kDesign);

    const char* legendWords[] = {"Front", "A", "B", "D", "S"};
    const char* legendCaptions[] = {"Front", "Kitchen", "Kitchen", "Drink", "Salad"};
    for (int i = 0; i < 5; ++i) {
        ui::Image& printer = imgLegend(i);
        printer.setPicture(ui::Picture::design(legendWords[i]));
        printer.setStretch(true);
        printer.Move(kGridLeft + 120 + i * 1320, 1380, 495, 375);
        ui::Label& caption = lblLegend(i);
        caption.setCaption(legendCaptions[i]);
        caption.setFont(ui::font::kDialog.font());
        caption.setBackStyle(0);
        caption.Move(kGridLeft + 660 + i * 1320, 1440, 735, 255);
    }

    settings::SectionButtons buttons = sectionButtons();
    auto names = nameBoxes();
    auto stations = stationPictures();
    auto lists = stationLists();
    for (int i = 0; i < settings::kSections; ++i) {
        int row = i < 5 ? 0 : i < 10 ? 1 : 2;
        int column = i < 5 ? i : i < 10 ? i - 5 : i - 10;
        double left = kGridLeft + column * kColumn, top = kGridTop + row * kRow;
        buttons[i]->setStyle(1);
        buttons[i]->setCaption("");
        buttons[i]->setFont(ui::font::kDialogBold.font());
        buttons[i]->Move(left, top, kButtonWidth, kButtonHeight);
        names[i]->setVisible(false);
        names[i]->setFont(ui::font::kDialogBold.font());
        names[i]->Move(left, top + kButtonHeight - kNameHeight, kButtonWidth, kNameHeight);
        double stationTop = top + kButtonHeight + 60;
        ui::Image& front = imgFront(i);
        front.setPicture(ui::Picture::design("Front"));
        front.setStretch(true);
        front.Move(left, stationTop, 615, 345);
        stations[i]->setPicture(ui::Picture::design(i < 12 ? "Prt" : "B"));
        stations[i]->setStretch(true);
        stations[i]->Move(left + 660, stationTop, 375, 345);
        if (i < 12) {
            lists[i]->setFont(ui::font::kDialogBold.font());
            lists[i]->Move(left + 1080, stationTop, 495, 315);
        }
        datMain.bind(*names[i], "t" + std::to_string(i));
        buttons[i]->onClick([this, i] { File2.setTag(std::string(kSectionWord[i])); });
    }
    for (int i = 0; i < 12; ++i) {
        ui::ComboBox* list = lists[i];
        ui::Image* station = stations[i];
        datScrn.bind(*list, "scrn" + std::to_string(i));
        list->onChange([list, station] {
            if (list->text() == "-") station->setVisible(false);
        });
        list->onClick([list, station] { station->setVisible(list->text() != "-"); });
    }
    datMain.bind(lblMainMu, "False");

    File2.onClick([this] { File2_Click(); });
    cmdMainMu.onClick([this] { cmdMainMu_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
    cmdNext.onClick([this] { cmdNext_Click(); });
}

settings::SectionButtons frmRegister3::sectionButtons() {
    return {&cmdDrink, &cmdApter,   &cmdFriedRice, &cmdLoMein, &cmdVDishes, &cmdVegetables, &cmdPoultry,
            &cmdBeef,  &cmdSeafood, &cmdSoup,      &cmdPork,   &cmdLamb,    &cmdLunch,      &cmdDiner};
}

std::array<ui::TextBox*, settings::kSections> frmRegister3::nameBoxes() {
    return {&txtm0, &txtm1, &txtm2, &txtm3,  &txtm4,  &txtm5,  &txtm6,
            &txtm7, &txtm8, &txtm9, &txtm10, &txtm11, &txtm12, &txtm13};
}

std::array<ui::Image*, settings::kSections> frmRegister3::stationPictures() {
    return {&imgDrink, &imgApter,   &imgFR,   &imgLM,   &imgVD,   &imgVege,  &imgPoulty,
            &imgBeef,  &imgSeafood, &ImgSoup, &imgPork, &imgLamb, &imgLunch, &imgDiner};
}

settings::StationLists frmRegister3::stationLists() {
    return {&CmbDrink,   &CmbApter, &CmbFriedRice, &CmbLoMein, &CmbVDishes, &CmbVegetables,
            &CmbPoultry, &CmbBeef,  &CmbSeafood,   &CmbSoup,   &CmbPork,    &CmbLamb};
}

// Always the station's own file, whatever its data location.
void frmRegister3::Form_Load() {
    WizardStep::Form_Load();
    std::string store = os::programPath(settings::kMenuStore);
    datMain.setDatabaseName(store);
    datMain.setRecordSource("tbSetMain");
    File2.setVisible(true);
    File2.setPath(std::string(kPicturesFolder));
    // The mode and the picture paths are read before the buttons are drawn. A store that cannot
    // be opened is told once; the step stays usable with Back and Next.
    if (db::Status read = datMain.Refresh(); !read) {
        datMain.report(read.error());
    } else {
        datScrn.setDatabaseName(store);
        datScrn.setRecordSource("tbSetScrn");
    }
    settings::FillStationLists(stationLists());
    DrawSectionButtons(ui::forms().get<settings::frmInfor>().sectionNames());
}

void frmRegister3::DrawSectionButtons(const std::array<std::string, settings::kSections>& names) {
    std::string mode = lblMainMu.caption();
    settings::DrawSectionButtons(sectionButtons(), mode, names, datMain.recordset());
    for (ui::TextBox* box : nameBoxes()) box->setVisible(mode == kCustom);
}

// One section per click, stored at once. A file that is no picture is neither shown nor stored.
void frmRegister3::File2_Click() {
    std::string file = File2.fileName();
    if (file.empty()) return;
    int section = -1;
    for (int i = 0; i < settings::kSections; ++i)
        if (File2.tag() == kSectionWord[i]) section = i;
    if (section < 0) return;
    std::string path = std::string(kPicturesFolder) + file;
    auto picture = ui::LoadPicture(path);
    if (!picture) return;
    sectionButtons()[section]->setPicture(*picture);
    // The row is read afresh; the names, mode and codes shown are written first, never lost.
    if (db::Status read = datMain.Refresh(); !read) {
        datMain.report(read.error());
        return;
    }
    (void)settings::writeField(datMain, settings::kSectionPictureField[section], path);
}

// Both labels take the new mode: the step draws from its own, the other screens from the holder's.
void frmRegister3::cmdMainMu_Click() {
    std::string mode = lblMainMu.caption() == "1.Default" ? "2.Custom" : "1.Default";
    lblMainMu.setCaption(mode);
    settings::frmInfor& holder = ui::forms().get<settings::frmInfor>();
    // The captions are the names as the holder last read them, not those just typed here.
    std::array<std::string, settings::kSections> names = holder.sectionNames();
    // The step's row is stored first and the holder reads it afresh, so that neither writes over
    // the other: the holder then has nothing of its own left to store.
    if (datMain.isOpen()) {
        if (db::Status written = datMain.UpdateRecord(); !written) datMain.report(written.error());
        if (holder.datMain.isOpen())
            if (db::Status read = holder.datMain.Refresh(); !read) holder.datMain.report(read.error());
    }
    holder.lblMainMu.setCaption(mode);
    DrawSectionButtons(names);
}

void frmRegister3::cmdClose_Click() { goBack(); }

// The rows are read afresh, their shown edits written first; the item detail editor follows.
void frmRegister3::cmdNext_Click() {
    for (ui::Data* d : {&datMain, &datScrn})
        if (d->isOpen())
            if (db::Status read = d->Refresh(); !read) {
                d->report(read.error());
                if (d->isOpen()) return;
            }
    if (!Unload()) return;
    // The road goes on in the item detail editor, marked as the wizard's, so that its Back returns here.
    ui::Form& editor = ui::forms().byName(linksOf(name()).next);
    editor.setTag("Register");
    shell::setOn(editor, "cmdExit", "Visible", "True");
    editor.Show();
}

}  // namespace pelk::setup
