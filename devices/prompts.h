#pragma once
// How the flows ask the user: questions and notices by string id, and the
// stock message box for the config.ini errors. The widget layer shows real
// dialogs (DialogPrompts); tests script the answers (tests/support).
//
// AskConfirmation and ShowMessage load their texts through LoadText with the
// settings' languageModulePath and apply the do-not-ask rule to the settings'
// askAddressChange; implementations only show what they are given.

#include "kit/pellixkit.h"
#include "resources/string_table.h"
#include "storage/settings.h"

#include <QString>
#include <QStringList>

inline constexpr int kDialogOk = 1;
inline constexpr int kDialogCancel = 2;

// A confirmation as it is shown: the ids it was built from and their texts.
// An empty dontAskCaption means: no do-not-ask check box.
struct ConfirmationRequest {
    StringId titleId = 0, textId = 0, okId = 0, cancelId = 0, dontAskId = 0;
    QString title, text, okCaption, cancelCaption, dontAskCaption;
};

struct ConfirmationAnswer {
    int result = kDialogCancel;  // kDialogOk, or kDialogCancel (also for closing the window)
    bool dontAskAgain = false;   // closed with OK while the do-not-ask box was ticked
};

// A message with one button.
struct MessageRequest {
    StringId titleId = 0, textId = 0;
    QString title, text, buttonCaption;
};

// A list to pick one entry from, or (without a cancel caption) to read: a
// job's result.
struct ListRequest {
    StringId titleId = 0, textId = 0, okId = 0, cancelId = 0;
    QString title, text, okCaption, cancelCaption;
    QStringList entries;
};

class Prompts {
public:
    // The settings outlive the prompts; askAddressChange may be cleared by a
    // confirmation.
    explicit Prompts(Settings& settings) : settings_(settings) {}
    virtual ~Prompts() = default;

    Prompts(const Prompts&) = delete;
    Prompts& operator=(const Prompts&) = delete;

    // kDialogOk or kDialogCancel. With a do-not-ask text (dontAskId != 0) the
    // question is only shown while askAddressChange is 1, and otherwise
    // answered kDialogOk at once; OK with the box ticked sets askAddressChange
    // to 0 (config.ini keeps its value).
    int AskConfirmation(StringId titleId, StringId textId, StringId okId, StringId cancelId, StringId dontAskId);

    // A notice with the button "OK" (string 179); the dialog's result.
    int ShowMessage(StringId titleId, StringId textId);
    // The same with a text made from textId's, numbers or names filled in.
    int ShowFilledMessage(StringId titleId, StringId textId, const QString& text);

    // A question whose text is made from the text of textId with numbers or
    // names filled in; no do-not-ask box. kDialogOk or kDialogCancel.
    int AskFilledConfirmation(StringId titleId, StringId textId, const QString& text, StringId okId,
                              StringId cancelId);

    // The index of the entry chosen with OK, or -1 (cancel, closed, no
    // entries). The text is the one given, made from textId's.
    int PickFromList(StringId titleId, StringId textId, const QString& text, const QStringList& entries,
                     StringId okId, StringId cancelId);
    // The entries to read, with one OK button.
    void ShowList(StringId titleId, StringId textId, const QStringList& entries);

    // The platform's plain message box with an OK button and no owner, used
    // for the config.ini read and write errors. Its texts are fixed English.
    virtual void ShowStockMessage(const QString& text, const QString& caption) = 0;

    // The interface chooser: lists the accepted interfaces the kit finds now
    // (ListQuorrelInterfaces) and lets the user pick one. kDialogOk with the
    // chosen handle, or kDialogCancel; currentHandle is what the caller holds.
    struct ChooserResult {
        int result = kDialogCancel;
        KitHandle handle = nullptr;
    };
    virtual ChooserResult ChooseInterface(KitHandle currentHandle, const QString& languageModulePath) = 0;

    // The platform's open or save dialog. The filter is written as pairs of
    // description and pattern separated by vertical bars, ended by two
    // ("Project file (*.prj)|*.prj|All Files (*.*)|*.*||"). Returns the
    // chosen path, empty when the user cancelled; an open dialog only accepts
    // existing files.
    struct FileChooserRequest {
        bool save = false;
        QString defaultExtension;  // "prj": added to a chosen name that has none
        QString initialName;       // "*.prj"
        QString filter;
    };
    virtual QString ChooseFile(const FileChooserRequest& request) = 0;

protected:
    virtual ConfirmationAnswer Confirm(const ConfirmationRequest& request) = 0;
    virtual int Message(const MessageRequest& request) = 0;
    // The index of the chosen entry, -1 for none.
    virtual int Pick(const ListRequest& request) = 0;

private:
    Settings& settings_;
};
