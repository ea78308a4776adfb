#include "app/tab_views.h"

#include "app/tab_page_view.h"
#include "storage/load_text.h"

#include <QPushButton>

namespace {

struct PageInfo {
    const char* caption;  // before the language is applied
    StringId captionId;
    bool hasSend;
};

constexpr PageInfo kPages[] = {
    {"Basic", 102, true},
    {"Scenes", 103, true},
    {"Info", 104, false},
};

constexpr StringId kSendText = 285;

}  // namespace

CTabViews::CTabViews(std::function<void()> onSend, QWidget* parent) : QTabWidget(parent) {
    for (size_t i = 0; i < pages_.size(); ++i) {
        pages_[i] = new TabPageView(kPages[i].hasSend ? onSend : std::function<void()>{}, this);
        addTab(pages_[i], QString::fromLatin1(kPages[i].caption));
    }
}

void CTabViews::Initialise() { setCurrentIndex(kBasicPage); }

void CTabViews::ApplyLanguage(const QString& languageModulePath) {
    // Relabelled in place: the page shown and its tab stay together.
    for (size_t i = 0; i < pages_.size(); ++i) {
        setTabText(int(i), LoadText(kPages[i].captionId, languageModulePath));
        if (QPushButton* send = pages_[i]->sendButton())
            send->setText(LoadText(kSendText, languageModulePath));
    }
}

void CTabViews::EnableBasicControls(bool enabled) { pages_[kBasicPage]->EnableControls(enabled); }

void CTabViews::EnableSceneControls(bool enabled) { pages_[kScenesPage]->EnableControls(enabled); }

void CTabViews::EnableSendButtons(bool enabled) {
    pages_[kBasicPage]->sendButton()->setEnabled(enabled);
    pages_[kScenesPage]->sendButton()->setEnabled(enabled);
}

void CTabViews::DisableBusButtons() { EnableSendButtons(false); }
