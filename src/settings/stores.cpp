#include "settings/stores.h"

#include <array>
#include <string>

#include "settings/common.h"

namespace pelk::settings {

namespace {

db::FieldDecl text(std::string name) { return {std::move(name), db::Kind::Text, db::kDefaultTextSize, false}; }
// What a check box shows: 0 clear, 1 ticked.
db::FieldDecl flag(std::string name) { return {std::move(name), db::Kind::Long, 0, false}; }

db::TableDecl settingsTable() {
    db::TableDecl t{"tbSet", {{"ID", db::Kind::Counter, 0, false}}, {}};
    for (const char* f : {"SetC", "SetP", "SetO", "setL", "Tax", "TaxFed", "Tax1", "TaxFed1", "Tax2", "TaxFed2", "SetB",
                          "SetM", "Plan"})
        t.fields.push_back(text(f));
    t.fields.push_back(flag("szSort"));
    t.fields.push_back(flag("cmdEtoC"));
    t.fields.push_back(text("setF"));
    t.fields.push_back(flag("szMsg"));
    t.fields.push_back(flag("KB"));
    t.fields.push_back(flag("szSectnAuto"));
    for (const char* f : {"szSize1", "szSize2", "szSize3", "Port", "szType", "szPath1"}) t.fields.push_back(text(f));
    for (int p = 2; p <= 5; ++p) {
        std::string n = std::to_string(p);
        t.fields.push_back(text("Port" + n));
        t.fields.push_back(text("szType" + n));
        t.fields.push_back(text("szPath" + n));
        t.fields.push_back(flag("chkPtr" + n));
    }
    for (const char* f : {"szScrnA", "szScrnB", "szScrnD", "szScrnS", "Port6"}) t.fields.push_back(text(f));
    t.fields.push_back(flag("ecd"));
    for (const char* f : {"SetCpyName_bmp", "SetLogo_bmp", "szMsg_run"}) t.fields.push_back(text(f));

    // A new station works alone, its server path not yet set, taxing nothing until the store's
    // rates are entered, with no printer on any port.
    db::FirstRow row = {{"SetC", "Single"},
                        {"SetP", "-"},
                        {"SetO", "Pelk POS 4\\"},
                        {"setL", "United States"},
                        {"Tax", "0"},
                        {"TaxFed", "0"},
                        {"Tax1", "0"},
                        {"TaxFed1", "0"},
                        {"Tax2", "0"},
                        {"TaxFed2", "0"},
                        {"SetB", "A"},
                        {"SetM", "Not Printing L1 L2"},
                        {"Plan", "0.00"},
                        {"szSort", 0},
                        {"cmdEtoC", 0},
                        {"setF", "0.00"},
                        {"szMsg", 0},
                        {"KB", 0},
                        {"szSectnAuto", 0},
                        {"szSize1", "M-"},
                        {"szSize2", "L-"},
                        {"szSize3", "XL-"},
                        {"Port", "None"},
                        {"szType", ""},
                        {"szPath1", ""},
                        {"Port6", "None"},
                        {"szScrnA", " "},
                        {"szScrnB", " "},
                        {"szScrnD", " "},
                        {"szScrnS", " "},
                        {"ecd", 0},
                        {"SetCpyName_bmp", ""},
                        {"SetLogo_bmp", ""},
                        {"szMsg_run", ""}};
    for (int p = 2; p <= 5; ++p) {
        std::string n = std::to_string(p);
        row.push_back({"Port" + n, "None"});
        row.push_back({"szType" + n, ""});
        row.push_back({"szPath" + n, ""});
        row.push_back({"chkPtr" + n, 0});
    }
    t.firstRows.push_back(std::move(row));
    return t;
}

db::TableDecl telTable() {
    db::TableDecl t{"tbTel", {}, {{}}};
    for (int i = 0; i <= 14; ++i) {
        t.fields.push_back(text("t" + std::to_string(i)));
        t.firstRows[0].push_back({"t" + std::to_string(i), ""});
    }
    return t;
}

db::TableDecl roomsTable() {
    db::TableDecl t{"tblRooms", {text("ID1")}, {}};
    for (int f = 1; f <= kFloors; ++f) t.fields.push_back(text("R" + std::to_string(f)));
    // Every position is delivered, without rooms: the room settings screen names them.
    for (int i = 1; i <= kRoomPositions; ++i) t.firstRows.push_back({{"ID1", std::to_string(i)}});
    return t;
}

db::TableDecl storeInformationTable() {
    db::TableDecl t{"tbSetInfor", {}, {}};
    for (const char* f : {"Line1", "Line2", "Line3", "Notes", "Notes1", "Notes2", "Notes3", "Notes4", "Notes5"})
        t.fields.push_back(text(f));
    db::FirstRow row = {{"Line1", "Company Name"}, {"Line2", "Tel: "}, {"Line3", "Fax: "}};
    for (const char* f : {"Notes", "Notes1", "Notes2", "Notes3", "Notes4", "Notes5"}) row.push_back({f, "-"});
    // The floor flags: True hides that floor on the room map.
    for (const char* f : {"szRA", "szRB", "szRC", "szRD", "szMA", "szMB", "szRPty"}) {
        t.fields.push_back({f, db::Kind::YesNo, 0, false});
        row.push_back({f, false});
    }
    t.firstRows.push_back(std::move(row));
    return t;
}

db::TableDecl freePopTable() {
    db::TableDecl t{"tbSetFreePop", {}, {{}}};
    for (int i = 0; i <= 12; ++i) t.fields.push_back(text("t" + std::to_string(i)));
    for (int i = 0; i <= 11; ++i) t.firstRows[0].push_back({"t" + std::to_string(i), ""});
    t.firstRows[0].push_back({"t12", "Auto"});
    return t;
}

db::TableDecl sectionDisplayTable() {
    db::TableDecl t{"tbSetMain", {}, {{}}};
    db::FirstRow& row = t.firstRows[0];
    for (int i = 0; i < kSections; ++i) {
        t.fields.push_back(text("t" + std::to_string(i)));
        row.push_back({"t" + std::to_string(i), std::string(kSectionNames[i])});
    }
    for (int i = 0; i < kSections; ++i) t.fields.push_back(text("p" + std::to_string(i)));
    for (int i = 0; i < kSections; ++i)
        row.push_back({std::string(kSectionPictureField[i]),
                       "C:\\Program Files\\Pelk POS 4\\Section\\" + std::string(kSectionNames[i]) + ".bmp"});
    // A new store has no section pictures yet, so its buttons show the names.
    t.fields.push_back(text("False"));
    row.push_back({"False", "2.Custom"});
    return t;
}

db::TableDecl stationCodesTable() {
    db::TableDecl t{"tbSetScrn", {}, {{}}};
    for (int i = 0; i <= 11; ++i) {
        t.fields.push_back(text("scrn" + std::to_string(i)));
        t.firstRows[0].push_back({"scrn" + std::to_string(i), i == 0 ? "D" : "B"});
    }
    return t;
}

}  // namespace

db::StoreDecl stationStore() {
    db::TableDecl reset{"tbReset", {text("Reset_txt")}, {{{"Reset_txt", "Check Book"}}}};
    db::TableDecl permissions{"tabPword", {flag("ItmDeSecl")}, {{{"ItmDeSecl", 0}}}};
    return {std::string(kStationStore),
            {settingsTable(), telTable(), std::move(reset), std::move(permissions), roomsTable()},
            false};
}

db::StoreDecl menuSettingsStore() {
    return {std::string(kMenuStore),
            {storeInformationTable(), freePopTable(), sectionDisplayTable(), stationCodesTable()},
            false};
}

}  // namespace pelk::settings
