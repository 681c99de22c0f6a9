#include "settings/common.h"

#include <algorithm>
#include <string>

#include "platform/core/format.h"
#include "platform/core/text.h"
#include "platform/db/database.h"
#include "platform/db/recordset.h"
#include "platform/os/files.h"
#include "platform/os/paths.h"
#include "platform/ui/colors.h"
#include "settings/frmNWSetin.h"

namespace pelk::settings {

// ---- Data location ----

std::string dataPathFor(std::string_view mode, std::string_view serverPath, std::string_view sharedFolder,
                        std::string_view fileName) {
    if (mode == kModeSharing) return os::joinPath(serverPath, sharedFolder, fileName);
    return os::programPath(fileName);
}

std::string ResolveDataPath(std::string_view fileName) {
    frmNWSetin& holder = ui::forms().get<frmNWSetin>();
    return dataPathFor(holder.txtNWsetin.text(), holder.txtPath.text(), holder.txtData.text(), fileName);
}

bool RefusedAsClimbing(const std::string& typed) {
    if (!os::climbsAboveItsRoot(typed)) return false;
    ui::MsgBox("The path " + typed + " climbs above its server or drive with \"..\". Please type it without \"..\".",
               ui::kExclamation);
    return true;
}

// ---- Writing a settings row ----

db::Status writeField(ui::Data& data, std::string_view field, const core::Value& value) {
    ui::DataRecordset& row = data.Recordset();
    db::Status written = row.Edit();
    if (written) written = row.setField(field, value);
    if (written) written = row.Update();
    if (!written) {
        if (row.editMode() != db::EditMode::None) (void)row.CancelUpdate();
        data.report(written.error());
    }
    return written;
}

// ---- Tax rates ----

bool isRate(std::string_view typed) {
    std::string t = core::text::trim(typed);
    if (t.empty()) return true;
    int digits = 0, points = 0;
    for (char c : t) {
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.')
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1 && core::val(t) < 1;
}

std::string rateRefusal(std::string_view name, std::string_view typed) {
    if (isRate(typed)) return {};
    return "The " + std::string(name) + " \"" + std::string(typed) +
           "\" is not a rate. Please enter it as a fraction from 0 to less than 1, such as 0.075 for 7.5%.";
}

// ---- Placing and leaving screens ----

void CentreForm(ui::Form& screen, double k, bool paintBackground) {
    if (paintBackground) screen.setBackColor(kScreenGreen);
    // A screen larger than the display starts at its edge rather than off it.
    screen.setLeft(std::max(0.0, (ui::screen().width() - screen.width()) / 2));
    screen.setTop(std::max(0.0, (ui::screen().height() - screen.height()) / k));
}

void CloseToHub(ui::Form& screen, std::string_view hub) {
    bool fromMenu = screen.tag() == kFromMenu;
    if (!screen.Unload() || fromMenu) return;
    if (ui::forms().isRegistered(hub)) ui::forms().byName(hub).Show();
}

void PressImageButton::MouseDown(ui::Control& picture) {
    picture.setVisible(false);
    ui::Beep();
}

void PressImageButton::MouseUp(ui::Control& picture, ui::Form& hub, std::string_view target) {
    picture.setVisible(true);
    hub.Unload();
    if (ui::forms().isRegistered(target)) ui::forms().byName(target).Show();
}

// ---- Errors of the record editors ----

namespace {
std::string& pathPrefix() {
    static std::string prefix;
    return prefix;
}
}  // namespace

const std::string& FrmPathPrefix() { return pathPrefix(); }

bool EditErrorHandler::operator()(const db::Status& outcome) {
    if (outcome) return true;
    return (*this)(outcome.error().code, outcome.error().reason);
}

bool EditErrorHandler::operator()(int errorNumber, std::string_view description) {
    if (errorNumber == 0) return true;
    if (errorNumber == kErrFileNotFound) {
        pathPrefix() = pathPrefix().empty() ? "\\Frm" : "";
        return true;
    }
    ui::MsgBox("Error #: " + std::to_string(errorNumber) + "\r" + std::string(description), buttons_ | ui::kCritical,
               kEditErrorTitle);
    return false;
}

// ---- Renewing a store ----

bool AskYesNo(std::string_view prompt) { return ui::MsgBox(prompt, ui::kYesNo) == ui::MsgBoxResult::Yes; }

bool RenewFromTemplate(const std::function<bool()>& ask, const Renewal& renewal) {
    if (!ask()) return false;
    std::string templatePath = os::programPath(renewal.templateFile);
    std::string livePath = os::programPath(renewal.liveFile);
    auto notRenewed = [&](const std::string& reason) {
        ui::MsgBox(renewal.liveFile + " was not renewed and stays as it was. " + reason, ui::kCritical);
    };
    if (!os::fileExists(templatePath)) {
        if (renewal.missingTemplateMessage.empty())
            notRenewed("Could not find file '" + templatePath + "'.");
        else
            ui::MsgBox(renewal.missingTemplateMessage);
        return false;
    }
    // The screen lets go of the store and comes back bound to the renewed one.
    std::string reopen;
    if (renewal.screen && renewal.screen->isLoaded()) {
        reopen = renewal.screen->name();
        renewal.screen->Unload();
    }
    db::Status renewed = db::renewFromTemplate(livePath, templatePath);
    if (!renewed) notRenewed(renewed.error().reason);
    if (!reopen.empty()) ui::forms().byName(reopen).Show();
    return renewed.ok();
}

// ---- Second language ----

void ToggleSecondLanguage(ui::CommandButton& cmdEtoC, const std::vector<ui::Control*>& englishLabels,
                          const std::vector<ui::Control*>& pictures) {
    bool toSecond = cmdEtoC.caption() == "C";
    if (!toSecond && cmdEtoC.caption() != "E") return;
    for (ui::Control* p : pictures) p->setVisible(toSecond);
    for (ui::Control* l : englishLabels) l->setVisible(!toSecond);
    cmdEtoC.setCaption(toSecond ? "E" : "C");
    cmdEtoC.setBackColor(toSecond ? ui::color::kRed : ui::color::kYellow);
}

// ---- Menu sections ----

void DrawSectionButtons(const SectionButtons& buttons, std::string_view mode,
                        const std::array<std::string, kSections>& names, db::Recordset* mainRow) {
    bool custom = mode == "2.Custom";
    for (int i = 0; i < kSections; ++i) {
        ui::CommandButton* button = buttons[i];
        if (!button) continue;
        if (custom) {
            button->setPicture(ui::Picture{});
            button->setCaption(names[i]);
            continue;
        }
        // A picture that cannot be had (no row, an empty field, a missing file) leaves the old one.
        if (mainRow) {
            auto path = mainRow->field(kSectionPictureField[i]);
            if (path.ok() && !path->toText().empty())
                if (auto picture = ui::LoadPicture(path->toText())) button->setPicture(*picture);
        }
        button->setCaption("");
    }
}

void FillStationLists(const StationLists& lists) {
    for (int i = 0; i < kStationSections; ++i) {
        bool drinks = i == 0, salads = i == 2 || i == 3;
        // Each code is one letter.
        std::string_view codes = drinks ? "D-" : salads ? "ABS-" : "AB-";
        for (char code : codes) lists[i]->AddItem(std::string(1, code));
    }
}

}  // namespace pelk::settings
