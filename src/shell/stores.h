#pragma once

#include <string_view>

#include "platform/db/catalogue.h"

namespace pelk::shell {

// The employee store: one row per employee (EmployeeRecord), looked up by its code.
inline constexpr std::string_view kEmployeeStore = "Infor.mdb";
inline constexpr std::string_view kEmployeeTable = "tbEmplo";
// The open-folio register, which the log-in points at together with the employee store.
inline constexpr std::string_view kOpenFolioStore = "ZuTb.mdb";
inline constexpr std::string_view kOpenFolioTable = "tbTable";

// The number of rights flags ("1" … "15") an employee row carries.
inline constexpr int kEmployeeRights = 15;

db::StoreDecl employeeStore();
db::StoreDecl openFolioStore();

}  // namespace pelk::shell
