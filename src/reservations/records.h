#pragma once

#include <array>
#include <string_view>

#include "platform/db/catalogue.h"

namespace pelk::reservations {

// The reservations and the guests in house; the checked-out stays with their folio number.
inline constexpr std::string_view kReservationStore = "ZuReserv.mdb";
inline constexpr std::string_view kCheckedOutStore = "ZuChkO.mdb";
inline constexpr std::string_view kReservationTable = "tblReserv";
// The customer file, and the second list that only the customer lists show.
inline constexpr std::string_view kCustomerStore = "Custmr.mdb";
inline constexpr std::string_view kCustomerListStore = "Ref.mdb";
inline constexpr std::string_view kCustomerTable = "tblCustmr";

// Every reader visits the customers in phone order.
inline constexpr std::string_view kCustomerSource = "SELECT * FROM tblCustmr ORDER BY sPhone_no ASC";

// The fields of a reservation row, in the order the reservation form writes them, then the
// room screen's identity and car fields. The checked-out store adds kFolioNumberField.
inline constexpr std::array<std::string_view, 51> kReservationFields = {
    "sLast_na",    "sFirst_nm",    "sPhone_no",    "szReser_ti",      "szReser_day",     "szClerk_id",
    "szStreet_ad", "szCity_nm",    "sState_cd",    "sZip_cd",         "szCountry",       "szbd_date",
    "szEmail",     "szFax_nu",     "szRemark",     "szDate_in",       "szDate_Out",      "szAction",
    "szRoom1",     "szRoom2",      "szRoom3",      "szRoom4",         "szParty_nu",      "szRate",
    "szDay_nu",    "szRate_curr",  "szOther_curr", "szTotal_curr",    "szPaid_curr",     "szBalance_curr",
    "szSame_Addr", "szCard_nu",    "szCard_Name",  "szCard_type",     "szCard_exp",      "szCard_cc",
    "szCard_Addr", "szCard_City",  "szCard_state", "szCard_Zip",      "szID_type",       "szID_nu",
    "szID_state",  "szID_country", "szID_Exp",     "szLicense_Plate", "szLicense_State", "szCar_Color",
    "szCar_Make",  "szCar_Model",  "szCar_yrs"};
inline constexpr std::string_view kFolioNumberField = "szInv_nu";

// The fields of a customer row; the reservation form writes the first eleven.
inline constexpr std::array<std::string_view, 23> kCustomerFields = {
    "sLast_na",        "sFirst_nm",   "szStreet_ad", "szCity_nm",    "sState_cd", "sZip_cd",
    "szCountry",       "szbd_date",   "sPhone_no",   "szEmail",      "szFax_nu",  "szNotes_nm",
    "szID_type",       "szID_nu",     "szID_state",  "szID_country", "szID_Exp",  "szLicense_Plate",
    "szLicense_State", "szCar_Color", "szCar_Make",  "szCar_Model",  "szCar_Yrs"};
inline constexpr int kCustomerFieldsOfReservation = 11;

// The customers' order tally the order-frequency list shows, and its blank template; both
// always in the program folder. Nothing in this program adds to it.
inline constexpr std::string_view kOrderTallyStore = "CustmrTr.mdb";
inline constexpr std::string_view kOrderTallyTemplate = "VyCustmrTr.mdb";
inline constexpr std::string_view kOrderTallyTable = "tblCustmrTr";

db::StoreDecl reservationStore();
db::StoreDecl checkedOutStore();
db::StoreDecl customerStore();
db::StoreDecl customerListStore();
db::StoreDecl orderTallyStore();

}  // namespace pelk::reservations
