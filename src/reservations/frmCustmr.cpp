#include "reservations/frmCustmr.h"

#include <initializer_list>
#include <string>
#include <tuple>

#include "platform/core/format.h"
#include "platform/core/money.h"
#include "platform/core/text.h"
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
constexpr ui::Color kRequired = 0x80FF80;

void label(ui::Label& l, ui::Frame& frame, const char* caption, double left, double top, double width) {
    l.setContainer(frame);
    l.setCaption(caption);
    l.setBackStyle(0);
    l.Move(left, top + 30, width, 255);
}

template <class Box>
void place(Box& box, ui::Frame& frame, double left, double top, double width) {
    box.setContainer(frame);
    box.Move(left, top, width, 315);
}

void smallButton(ui::CommandButton& button, ui::Frame& frame, double left, double top, const char* words) {
    button.setContainer(frame);
    button.setStyle(1);
    button.Move(left, top, 375, 315);
    button.setFontSize(6.75);
    if (std::string_view(words) == "...")
        button.setCaption(words);
    else
        button.setPicture(ui::Picture::design(words));
}

}  // namespace

frmCustmr::frmCustmr() {
    setMdiChild(true);
    setCaption("Customers");
    setWidth(11520);
    setHeight(7080);
    setBackColor(settings::kScreenGreen);

    fraGuest.setCaption("Guest Information");
    fraGuest.Move(120, 120, 5535, 5415);
    for (auto [caption, text, box, top, width] : {
             std::tuple{&lblLastN, "Last Name", &txtLastN, 360.0, 2895.0},
             std::tuple{&lblFirstN, "First Name", &txtFirstN, 780.0, 2895.0},
             std::tuple{&lblAdds, "Address", &txtAdds, 1200.0, 3615.0},
             std::tuple{&lblCity, "City", &txtCity, 1620.0, 1935.0},
             std::tuple{&lblCountry, "Country", &txtCountry, 2040.0, 1935.0},
             std::tuple{&lblPhone, "Phone", &txtPhone, 2460.0, 1935.0},
             std::tuple{&lblEmail, "Email", &txtEmail, 3300.0, 4095.0},
             std::tuple{&lblFax, "Fax", &txtFax, 3720.0, 1935.0},
             std::tuple{&lblRemark, "Remark", &txtRemark, 4140.0, 4095.0},
         }) {
        label(*caption, fraGuest, text, 120, top, 1095);
        place(*box, fraGuest, 1260, top, width);
    }
    label(lblState, fraGuest, "State", 3300, 1620, 495);
    place(txtState, fraGuest, 3840, 1620, 495);
    label(lblZip, fraGuest, "Zip", 4380, 1620, 375);
    place(txtZip, fraGuest, 4740, 1620, 675);
    label(lblBD, fraGuest, "BD", 3300, 2040, 375);
    place(txtBD, fraGuest, 3840, 2040, 1575);
    lblPhoneHint.setContainer(fraGuest);
    lblPhoneHint.setCaption("Format: 000-000-0000");
    lblPhoneHint.setBackStyle(0);
    lblPhoneHint.setFontSize(6.75);
    lblPhoneHint.Move(1260, 2880, 2415, 255);
    txtRemark.setMultiLine(true);
    txtRemark.setHeight(1095);
    for (ui::TextBox* required : {&txtLastN, &txtFirstN, &txtPhone}) required->setBackColor(kRequired);
    smallButton(cmdFindName, fraGuest, 4260, 360, "Find");
    smallButton(cmdFName, fraGuest, 4260, 780, "...");
    smallButton(cmdFadd, fraGuest, 4980, 1200, "...");
    smallButton(cmdFPhone, fraGuest, 3300, 2460, "Find");

    fraID.setCaption("Identification Information");
    fraID.Move(5820, 120, 5535, 5415);
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
        label(*caption, fraID, text, 240, top, 1455);
        place(*box, fraID, 1800, top, 3015);
        top += 450;
    }
    for (ui::Control* c : std::initializer_list<ui::Control*>{&fraGuest, &fraID})
        c->setBackColor(settings::kScreenGreen);

    double left = 2040;
    for (auto [button, words] : {std::pair{&cmdFind, "Find"}, std::pair{&cmdNew, "New"}, std::pair{&cmdSave, "Save"},
                                 std::pair{&cmdErase, "Erase"}, std::pair{&cmdClose, "Back"}}) {
        button->setStyle(1);
        button->setPicture(ui::Picture::design(words));
        button->Move(left, 5700, 1335, 855);
        left += 1560;
    }

    datCustmr.setConnect("Access 2000;");
    datCustmr.setVisible(false);

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
