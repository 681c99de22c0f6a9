#include "reservations/frmCustmr.h"

#include <initializer_list>
#include <string>
#include <tuple>

#include "platform/core/format.h"
#include "platform/core/money.h"
#include "platform/core/text.h"
#include "platform/ui/design.h"
#include "reservations/guests.h"
#include "reservations/lookups.h"
#include "reservations/records.h"
#include "settings/common.h"
#include "settings/frmInfor.h"

namespace pelk::reservations {

namespace {

constexpr std::string_view kNotFound = "Customer not found !";
constexpr std::string_view kPhoneMask = "@@@-@@@-@@@@";
// The required boxes stand out in light green.
constexpr ui::Color kRequired = ui::color::kPaleGreen;
const std::initializer_list<ui::DesignProperty> kInGuest = {{"Container", "fraGuest"}};

const ui::FormDesign kDesign{
    {{"MDIChild", true},
     {"Caption", "Customers"},
     {"Width", 11520},
     {"Height", 7080},
     {"BackColor", ui::color::kLightGreen}},
    {
        {"fraGuest", {120, 120, 5535, 5415}, {{"Caption", "Guest Information"}, {"BackColor", ui::color::kLightGreen}}},
        {"lblLastN", {120, 390, 1095, 255}, {{"Container", "fraGuest"}, {"Caption", "Last Name"}, {"BackStyle", 0}}},
        {"txtLastN", {1260, 360, 2895, 315}, {{"Container", "fraGuest"}, {"BackColor", kRequired}}},
        {"lblFirstN", {120, 810, 1095, 255}, {{"Container", "fraGuest"}, {"Caption", "First Name"}, {"BackStyle", 0}}},
        {"txtFirstN", {1260, 780, 2895, 315}, {{"Container", "fraGuest"}, {"BackColor", kRequired}}},
        {"lblAdds", {120, 1230, 1095, 255}, {{"Container", "fraGuest"}, {"Caption", "Address"}, {"BackStyle", 0}}},
        {"txtAdds", {1260, 1200, 3615, 315}, kInGuest},
        {"lblCity", {120, 1650, 1095, 255}, {{"Container", "fraGuest"}, {"Caption", "City"}, {"BackStyle", 0}}},
        {"txtCity", {1260, 1620, 1935, 315}, kInGuest},
        {"lblState", {3300, 1650, 495, 255}, {{"Container", "fraGuest"}, {"Caption", "State"}, {"BackStyle", 0}}},
        {"txtState", {3840, 1620, 495, 315}, kInGuest},
        {"lblZip", {4380, 1650, 375, 255}, {{"Container", "fraGuest"}, {"Caption", "Zip"}, {"BackStyle", 0}}},
        {"txtZip", {4740, 1620, 675, 315}, kInGuest},
        {"lblCountry", {120, 2070, 1095, 255}, {{"Container", "fraGuest"}, {"Caption", "Country"}, {"BackStyle", 0}}},
        {"txtCountry", {1260, 2040, 1935, 315}, kInGuest},
        {"lblBD", {3300, 2070, 375, 255}, {{"Container", "fraGuest"}, {"Caption", "BD"}, {"BackStyle", 0}}},
        {"txtBD", {3840, 2040, 1575, 315}, kInGuest},
        {"lblPhone", {120, 2490, 1095, 255}, {{"Container", "fraGuest"}, {"Caption", "Phone"}, {"BackStyle", 0}}},
        {"txtPhone", {1260, 2460, 1935, 315}, {{"Container", "fraGuest"}, {"BackColor", kRequired}}},
        {"lblPhoneHint",
         {1260, 2880, 2415, 255},
         {{"Container", "fraGuest"}, {"Caption", "Format: 000-000-0000"}, {"BackStyle", 0}, {"FontSize", 6.75}}},
        {"lblEmail", {120, 3330, 1095, 255}, {{"Container", "fraGuest"}, {"Caption", "Email"}, {"BackStyle", 0}}},
        {"txtEmail", {1260, 3300, 4095, 315}, kInGuest},
        {"lblFax", {120, 3750, 1095, 255}, {{"Container", "fraGuest"}, {"Caption", "Fax"}, {"BackStyle", 0}}},
        {"txtFax", {1260, 3720, 1935, 315}, kInGuest},
        {"lblRemark", {120, 4170, 1095, 255}, {{"Container", "fraGuest"}, {"Caption", "Remark"}, {"BackStyle", 0}}},
        {"txtRemark", {1260, 4140, 4095, 1095}, {{"Container", "fraGuest"}, {"MultiLine", true}}},
        {"cmdFindName",
         {4260, 360, 375, 315},
         {{"Container", "fraGuest"}, {"Style", 1}, {"FontSize", 6.75}, {"Picture", ui::picture("Find")}}},
        {"cmdFName",
         {4260, 780, 375, 315},
         {{"Container", "fraGuest"}, {"Style", 1}, {"FontSize", 6.75}, {"Caption", "..."}}},
        {"cmdFadd",
         {4980, 1200, 375, 315},
         {{"Container", "fraGuest"}, {"Style", 1}, {"FontSize", 6.75}, {"Caption", "..."}}},
        {"cmdFPhone",
         {3300, 2460, 375, 315},
         {{"Container", "fraGuest"}, {"Style", 1}, {"FontSize", 6.75}, {"Picture", ui::picture("Find")}}},
        {"fraID",
         {5820, 120, 5535, 5415},
         {{"Caption", "Identification Information"}, {"BackColor", ui::color::kLightGreen}}},
        {"datCustmr", {}, {{"Connect", "Access 2000;"}, {"Visible", false}}},
    }};

}  // namespace

frmCustmr::frmCustmr() {
    ui::applyDesign(*this, kDesign);
    // The identification boxes stand in one column, a label to the left of each.
    double top = 360;
    for (auto [caption, text, box] : {
             std::tuple<ui::Label*, const char*, ui::Control*>{&lblIDtype, "ID Type", &cmbIDtype},
             {&lblIDnu, "ID Number", &txtIDnu},
             {&lblIDstate, "ID State", &txtIDstate},
             {&lblIDcountry, "ID Country", &txtIDcountry},
             {&lblIDExp, "Expire Date", &txtIDExp},
             {&lblLicensePlate, "License Plate", &txtLicensePlate},
             {&lblLstate, "State", &txtLstate},
             {&lblColor, "Color", &txtColor},
             {&lblMake, "Car Make", &cmbMake},
             {&lblModel, "Model", &txtModel},
             {&lblYrs, "Year", &cmbYrs},
         }) {
        caption->setContainer(fraID);
        caption->setCaption(text);
        caption->setBackStyle(0);
        caption->Move(240, top + 30, 1455, 255);
        box->setContainer(fraID);
        box->Move(1800, top, 3015, 315);
        top += 450;
    }

    double left = 2040;
    for (auto [button, words] : {std::pair{&cmdFind, "Find"}, std::pair{&cmdNew, "New"}, std::pair{&cmdSave, "Save"},
                                 std::pair{&cmdErase, "Erase"}, std::pair{&cmdClose, "Back"}}) {
        button->setStyle(1);
        button->setPicture(ui::Picture::design(words));
        button->Move(left, 5700, 1335, 855);
        left += 1560;
    }

    cmdFindName.onClick([this] { cmdFindName_Click(); });
    cmdFind.onClick([this] { cmdFind_Click(); });
    cmdFPhone.onClick([this] { cmdFPhone_Click(); });
    cmdFadd.onClick([this] { cmdFadd_Click(); });
    cmdFName.onClick([this] { cmdFName_Click(); });
    cmdNew.onClick([this] { cmdNew_Click(); });
    cmdSave.onClick([this] { cmdSave_Click(); });
    cmdErase.onClick([this] { cmdErase_Click(); });
    cmdClose.onClick([this] { cmdClose_Click(); });
    txtState.onChange([this] { txtState_Change(); });
}

// The customer file lies where the reservation screen keeps it, by the station's one rule.
void frmCustmr::Form_Load() {
    settings::CentreForm(*this, 2.5, false);
    datCustmr.setDatabaseName(settings::ResolveDataPath(kCustomerStore));
    datCustmr.setRecordSource(std::string(kCustomerSource));
    if (db::Status opened = datCustmr.Refresh(); !opened) datCustmr.report(opened.error());
}

// ---- Finding ----

void frmCustmr::cmdFindName_Click() {
    if (txtLastN.text().empty()) {
        ui::MsgBox(" Please Enter Your Guest Last Name");
        return;
    }
    if (txtFirstN.text().empty()) {
        ui::MsgBox(" Please Enter Your Guest First Name");
        return;
    }
    auto byName = [this](ui::DataRecordset& rows) { return findByName(rows, txtLastN.text(), txtFirstN.text()); };
    if (searchRows(datCustmr, byName, kNotFound)) LoadCustomerRecord();
}

void frmCustmr::cmdFind_Click() { cmdFindName_Click(); }

// Only ten characters that read as a number are searched; once masked, the box is twelve long,
// so pressing again does nothing.
void frmCustmr::cmdFPhone_Click() {
    if (core::text::len(txtPhone.text()) != 10) return;
    auto number = core::parseAmount(txtPhone.text());
    if (!number || *number <= core::Money::fromInt(1)) return;
    if (ui::forms().get<settings::frmInfor>().cmbCountry.text() != "Australia")
        txtPhone.setText(core::format(core::Value(txtPhone.text()), kPhoneMask));
    auto byPhone = [this](ui::DataRecordset& rows) { return findByPhone(rows, txtPhone.text()); };
    if (searchRows(datCustmr, byPhone, kNotFound)) LoadCustomerRecord();
}

void frmCustmr::cmdFadd_Click() {}
void frmCustmr::cmdFName_Click() {}

void frmCustmr::LoadCustomerRecord() {
    ui::DataRecordset& row = datCustmr.Recordset();
    for (auto [field, box] : {
             std::pair{"sLast_na", &txtLastN},
             std::pair{"sFirst_nm", &txtFirstN},
             std::pair{"szStreet_ad", &txtAdds},
             std::pair{"szCity_nm", &txtCity},
             std::pair{"sState_cd", &txtState},
             std::pair{"sZip_cd", &txtZip},
             std::pair{"szCountry", &txtCountry},
             std::pair{"sPhone_no", &txtPhone},
             std::pair{"szbd_date", &txtBD},
             std::pair{"szEmail", &txtEmail},
             std::pair{"szFax_nu", &txtFax},
             std::pair{"szNotes_nm", &txtRemark},
         })
        showField(row, field, *box);
    showField(row, "szID_type", cmbIDtype);
    for (auto [field, box] : {
             std::pair{"szID_nu", &txtIDnu},
             std::pair{"szID_state", &txtIDstate},
             std::pair{"szID_country", &txtIDcountry},
             std::pair{"szID_Exp", &txtIDExp},
             std::pair{"szLicense_Plate", &txtLicensePlate},
             std::pair{"szLicense_State", &txtLstate},
             std::pair{"szCar_Color", &txtColor},
         })
        showField(row, field, *box);
    showField(row, "szCar_Make", cmbMake);
    showField(row, "szCar_Model", txtModel);
    showField(row, "szCar_Yrs", cmbYrs);
}

// ---- New, save, erase, close ----

void frmCustmr::cmdNew_Click() {
    for (ui::TextBox* box : {&txtLastN,     &txtFirstN, &txtAdds,         &txtCity,   &txtState,  &txtZip,  &txtCountry,
                             &txtPhone,     &txtBD,     &txtEmail,        &txtFax,    &txtRemark, &txtIDnu, &txtIDstate,
                             &txtIDcountry, &txtIDExp,  &txtLicensePlate, &txtLstate, &txtColor,  &txtModel})
        box->setText("");
    for (ui::ComboBox* box : {&cmbIDtype, &cmbMake, &cmbYrs}) box->setText("");
}

// The customer of the same names is changed; anyone else is added. Nothing is said on success.
void frmCustmr::cmdSave_Click() {
    for (auto [box, message] : {
             std::pair{&txtLastN, "You must fill in customer's Last Name"},
             std::pair{&txtFirstN, "You must fill in customer's First Name"},
             std::pair{&txtPhone, "Yon must fill in customer's Phone Number"},
         }) {
        if (!box->text().empty()) continue;
        ui::MsgBox(message, ui::kCritical);
        box->SetFocus();
        return;
    }
    if (db::Status read = datCustmr.Refresh(); !read) {
        datCustmr.report(read.error());
        return;
    }
    ui::DataRecordset& rows = datCustmr.Recordset();
    db::Result<bool> known = findByWholeName(rows, txtLastN.text(), txtFirstN.text());
    if (!known) {
        datCustmr.report(known.error());
        return;
    }
    if (db::Status begun = *known ? rows.Edit() : rows.AddNew(); !begun) {
        datCustmr.report(begun.error());
        return;
    }
    (void)SaveCustomerFields();
}

bool frmCustmr::SaveCustomerFields() {
    ui::DataRecordset& row = datCustmr.Recordset();
    RowWriter w(row);
    w.always("sLast_na", txtLastN.text());
    w.always("sFirst_nm", txtFirstN.text());
    for (auto [field, box] :
         {std::pair{"szStreet_ad", &txtAdds}, std::pair{"szCity_nm", &txtCity}, std::pair{"sState_cd", &txtState},
          std::pair{"sZip_cd", &txtZip}, std::pair{"szCountry", &txtCountry}, std::pair{"szbd_date", &txtBD}})
        w.ifText(field, box->text());
    w.always("sPhone_no", txtPhone.text());
    for (auto [field, box] :
         {std::pair{"szEmail", &txtEmail}, std::pair{"szFax_nu", &txtFax}, std::pair{"szNotes_nm", &txtRemark}})
        w.ifText(field, box->text());
    w.ifText("szID_type", cmbIDtype.text());
    for (auto [field, box] : {std::pair{"szID_nu", &txtIDnu}, std::pair{"szID_state", &txtIDstate},
                              std::pair{"szID_country", &txtIDcountry}, std::pair{"szID_Exp", &txtIDExp},
                              std::pair{"szLicense_Plate", &txtLicensePlate}, std::pair{"szLicense_State", &txtLstate},
                              std::pair{"szCar_Color", &txtColor}})
        w.ifText(field, box->text());
    w.ifText("szCar_Make", cmbMake.text());
    w.ifText("szCar_Model", txtModel.text());
    w.ifText("szCar_Yrs", cmbYrs.text());
    return storeRow(datCustmr, w.status());
}

void frmCustmr::cmdErase_Click() {
    if (EraseCustomerByPhone(datCustmr, txtPhone.text())) cmdNew_Click();
}

void frmCustmr::cmdClose_Click() { Unload(); }

void frmCustmr::txtState_Change() { upperState(txtState, txtZip); }

}  // namespace pelk::reservations
