#include "settings/frmReset.h"

#include <string>

#include "platform/os/paths.h"
#include "platform/ui/design.h"
#include "settings/common.h"
#include "settings/frmBSfwSet.h"
#include "settings/stores.h"

namespace pelk::settings {

namespace {

constexpr std::string_view kBusinessBook = "Check Book";
constexpr std::string_view kTrainingBook = "Training Check Book";

const ui::FormDesign kDesign{
    {{"Caption", "Order Book"}, {"MDIChild", true}, {"BorderStyle", 0}, {"Width", 7200}, {"Height", 5400}},
    {
        {"Label1", {480, 360, 975, 375}, {{"Caption", "Using"}, {"BackStyle", 0}, {"Font", ui::font::kSans12Bold}}},
        {"txtDisplay", {1560, 360, 3015, 405}, {{"Font", ui::font::kSans12Bold}, {"Locked", true}, {"TabStop", false}}},
        // The pads' pictures, drawn as the program's own: the book each one chooses.
        {"imgChk",
         {960, 1200, 1815, 1935},
         {{"BorderStyle", 1},
          {"Stretch", true},
          {"Picture", ui::picture("Guest Check")},
          {"Font", ui::font::kDialogBold}}},
        {"lbl1", {960, 3240, 1815, 255}, {{"Caption", "Business Use."}, {"BackStyle", 0}, {"Alignment", ui::kCenter}}},
        {"imgTrain",
         {4080, 1200, 1815, 1935},
         {{"BorderStyle", 1},
          {"Stretch", true},
          {"Picture", ui::picture("Training Check")},
          {"Font", ui::font::kDialogBold}}},
        {"lbl2",
         {4080, 3240, 1815, 255},
         {{"Caption", "Training Use Only"}, {"BackStyle", 0}, {"Alignment", ui::kCenter}}},
        // The marks beside the pads; an empty book reads as the training book until a row says otherwise.
        {"imgWchk",
         {600, 1200, 315, 315},
         {{"BorderStyle", 1}, {"Visible", false}, {"Stretch", true}, {"Picture", ui::picture("\u2714")}}},
        {"imgWtrain",
         {3720, 1200, 315, 315},
         {{"BorderStyle", 1}, {"Stretch", true}, {"Picture", ui::picture("\u2714")}}},
        {"cmdReset", {4080, 3720, 1815, 495}, {{"Caption", "Fresh"}, {"Visible", false}}},
        {"cmdClose", {240, 4440, 1215, 735}, {{"Style", 1}, {"Picture", ui::picture("Back")}}},
        {"datChkBook", {}, {{"Connect", "Access 2000;"}, {"RecordSource", "tbReset"}, {"Visible", false}}},
    }};

}  // namespace

frmReset::frmReset() {
    ui::applyDesign(*this, kDesign);
    datChkBook.bind(txtDisplay, "Reset_txt");

    imgChk.onClick([this] { imgChk_Click(); });
    imgTrain.onClick([this] { imgTrain_Click(); });
    txtDisplay.onChange([this] { txtDisplay_Change(); });
    cmdReset.onClick([this] { cmdReset_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
}

// The choice is this station's own, whatever the data location.
void frmReset::Form_Load() {
    CentreForm(*this, 4);
    datChkBook.setDatabaseName(os::programPath(kStationStore));
}

void frmReset::imgChk_Click() {
    txtDisplay.setText(std::string(kBusinessBook));
    imgWchk.setVisible(true);
    imgWtrain.setVisible(false);
}

void frmReset::imgTrain_Click() {
    txtDisplay.setText(std::string(kTrainingBook));
    imgWtrain.setVisible(true);
    imgWchk.setVisible(false);
}

// Only the exact business text is the business book; "Fresh" is offered only then, so the book in
// use is never the one emptied.
void frmReset::txtDisplay_Change() {
    bool business = txtDisplay.text() == kBusinessBook;
    imgWchk.setVisible(business);
    imgWtrain.setVisible(!business);
    cmdReset.setVisible(business);
}

void frmReset::cmdReset_Click() {
    cmdReset.setTag("");
    Renewal training{"VyOrdr.mdb", "TOrdr.mdb", "VYORDR File Missing, Training Invoices can not be delete.", nullptr};
    (void)RenewFromTemplate([this] { return AskChoiceBox("4", cmdReset); }, training);
}

void frmReset::cmdClose_Click() { CloseToHub<frmBSfwSet>(*this); }

}  // namespace pelk::settings
