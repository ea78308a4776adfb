#include "devices/prompts.h"

#include "storage/load_text.h"

namespace {

constexpr StringId kOkText = 179;

}  // namespace

int Prompts::AskConfirmation(StringId titleId, StringId textId, StringId okId, StringId cancelId, StringId dontAskId) {
    if (dontAskId != 0 && settings_.askAddressChange != 1)
        return kDialogOk;
    const QString& module = settings_.languageModulePath;
    const ConfirmationRequest request{titleId,
                                      textId,
                                      okId,
                                      cancelId,
                                      dontAskId,
                                      LoadText(titleId, module),
                                      LoadText(textId, module),
                                      LoadText(okId, module),
                                      LoadText(cancelId, module),
                                      LoadText(dontAskId, module)};
    const ConfirmationAnswer answer = Confirm(request);
    if (dontAskId != 0 && answer.result == kDialogOk && answer.dontAskAgain)
        settings_.askAddressChange = 0;
    return answer.result;
}

int Prompts::ShowMessage(StringId titleId, StringId textId) {
    const QString& module = settings_.languageModulePath;
    return Message({titleId, textId, LoadText(titleId, module), LoadText(textId, module), LoadText(kOkText, module)});
}
