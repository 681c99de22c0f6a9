#include "platform/db/catalogue.h"
#include "platform/ui/registry.h"
#include "settings/frmBSfwSet.h"
#include "settings/frmInfor.h"
#include "settings/frmMsgbox.h"
#include "settings/frmNWSetin.h"
#include "settings/frmReset.h"
#include "settings/frmSetPtr.h"
#include "settings/frmSetRooms.h"
#include "settings/frmSetScreen.h"
#include "settings/frmSetdate.h"
#include "settings/settings.h"
#include "settings/stores.h"

namespace pelk::settings {

// One line per screen.
void registerForms() {
    ui::forms().registerForm<frmNWSetin>("frmNWSetin");
    ui::forms().registerForm<frmBSfwSet>("frmBSfwSet");
    ui::forms().registerForm<frmInfor>("frmInfor");
    ui::forms().registerForm<frmMsgbox>("frmMsgbox");
    ui::forms().registerForm<frmSetPtr>("frmSetPtr");
    ui::forms().registerForm<frmHelpSetPtr>("frmHelpSetPtr");
    ui::forms().registerForm<frmSetRooms>("frmSetRooms");
    ui::forms().registerForm<frmReset>("frmReset");
    ui::forms().registerForm<frmSetdate>("frmSetdate");
    ui::forms().registerForm<frmSetScreen>("frmSetScreen");
}

// One line per store; a failure to declare is a programming error the tests catch.
void declareStores() {
    (void)db::Catalogue::instance().declare(stationStore());
    (void)db::Catalogue::instance().declare(menuSettingsStore());
}

}  // namespace pelk::settings
