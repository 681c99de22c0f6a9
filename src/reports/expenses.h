#pragma once

#include <array>
#include <string_view>

namespace pelk::reports {

// The expense store: one table per category, every table of the one layout (Invoice, Date,
// Company, Description, Method, Total). Always the program folder's copy.
inline constexpr std::string_view kExpenseStore = "Rep.mdb";

// One expense category, in the expense screen's order (row 1 to 16).
struct ExpenseCategory {
    std::string_view name;     // "Auto"
    std::string_view table;    // "tbAuto_Ex"
    std::string_view caption;  // the expense screen's English caption
    std::string_view label;    // the expense screen's label of the row ("Label2")
    std::string_view picture;  // the expense screen's second-language picture of the row ("Image1")
    std::string_view second;   // the words of that picture
};

inline constexpr int kExpenseCategoryCount = 16;

inline constexpr std::array<ExpenseCategory, kExpenseCategoryCount> kExpenseCategories = {{
    {"Auto", "tbAuto_Ex", "Auto Expenses", "Label2", "Image1", "汽车费用"},
    {"Bank", "tbBank_Ex", "Bank Charges", "Label3", "Image2", "银行费用"},
    {"Advertising", "tbAdvertising_Ex", "Advertising Ex.", "Label4", "Image3", "广告费用"},
    {"Salary", "tbSalary_Ex", "Salaries Expen", "Label5", "Image4", "工资费用"},
    {"Meal", "tbMeal_Ex", "Meals n Entert.", "Label6", "Image5", "餐饮招待"},
    {"Office", "tbOffice_Ex", "Office Expens", "Label7", "Image6", "办公费用"},
    {"Fines", "tbFines_Ex", "Fines n Penalt.", "Label8", "Image7", "罚款"},
    {"Professional", "tbProfessional_Ex", "Professional E.", "Label9", "Image8", "专业服务费"},
    {"Insurance", "tbInsurance_Ex", "Insurance Exp", "Label10", "Image9", "保险费用"},
    {"Rent", "tbRent_Ex", "Rent n Lease", "Label11", "Image10", "租赁费用"},
    {"Repairs", "tbRepairs_Ex", "Repairs Expen", "Label12", "Image11", "维修费用"},
    {"Telephone", "tbTelep_Ex", "Phone Expens", "Label13", "Image12", "电话费用"},
    {"Supplies", "tbSupplies_Ex", "Supplies Expe.", "Label14", "Image13", "用品费用"},
    {"Travel", "tbTravel_Ex", "Travel Expense", "Label15", "Image14", "差旅费用"},
    {"Utilities", "tbUtilities_Ex", "Utilities Expens", "Label16", "Image15", "水电费用"},
    {"Other", "tbOther_Ex", "Other Expense", "Label17", "Image16", "其他费用"},
}};

// The category of that name ("Rent"); the categories' names are fixed, so a wrong one is a fault.
const ExpenseCategory& expenseCategory(std::string_view name);

}  // namespace pelk::reports
