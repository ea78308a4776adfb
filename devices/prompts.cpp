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

int Prompts::ShowFilledMessage(StringId titleId, StringId textId, const QString& text) {
    const QString& module = settings_.languageModulePath;
    return Message({titleId, textId, LoadText(titleId, module), text, LoadText(kOkText, module)});
}

int Prompts::AskFilledConfirmation(StringId titleId, StringId textId, const QString& text, StringId okId,
                                   StringId cancelId) {
    const QString& module = settings_.languageModulePath;
    const ConfirmationRequest request{titleId, textId, okId, cancelId, 0, LoadText(titleId, module), text,
                                      LoadText(okId, module), LoadText(cancelId, module), QString()};
    return Confirm(request).result;
}

int Prompts::PickFromList(StringId titleId, StringId textId, const QString& text, const QStringList& entries,
                          StringId okId, StringId cancelId) {
    if (entries.isEmpty())
        return -1;
    const QString& module = settings_.languageModulePath;
    ListRequest request{titleId, textId, okId, cancelId, LoadText(titleId, module), text, LoadText(okId, module),
                        LoadText(cancelId, module), entries};
    const int index = Pick(request);
    // Only an entry that was offered counts.
    return index >= 0 && index < entries.size() ? index : -1;
}

void Prompts::ShowList(StringId titleId, StringId textId, const QStringList& entries) {
    const QString& module = settings_.languageModulePath;
    Pick({titleId, textId, kOkText, 0, LoadText(titleId, module), LoadText(textId, module), LoadText(kOkText, module),
          QString(), entries});
}
