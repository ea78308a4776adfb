// The main view's "Gerät ersetzen": the replacement job runs on the view's
// link and store; the matrix and the tabs then show the replaced gear.

#include "addressing/gear_replacement.h"
#include "app/main_view.h"
#include "app/view_surface.h"

void MainView::ReplaceGear(int preferredAddress) {
    if (!busLink().handle)
        return;
    addressing::ReplacementContext context{link_, store_, services_.prompts, viewWaitDialog_,
                                           services_.settings.languageModulePath};
    if (addressing::RunGearReplacement(context, preferredAddress).empty())
        return;
    SetPresentFlagsFromTable();
    if (store_.PresentCount() > 0)
        SetCommands({CommandId::GroupsTool, CommandId::ScenesTool}, true);
    services_.surface.CommandsChanged();
    services_.surface.ProcessPendingEvents();
    services_.surface.RepaintMatrix();
}
