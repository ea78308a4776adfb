#include "app/plan_panel.h"

#include "addressing/plan_image.h"
#include "addressing/plan_view.h"
#include "devices/device_store.h"
#include "devices/prompts.h"
#include "storage/load_text.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr StringId kPlanTitle = 850, kLoadText = 851, kFitText = 852, kRemoveText = 853, kUnreadable = 855,
                   kTooLarge = 856, kUnreadablePlans = 857, kImageFilter = 859;

}  // namespace

CPlanPanel::CPlanPanel(DeviceStore& store, MatrixModel& matrix, Prompts& prompts,
                       std::function<QString()> languageModule, QWidget* parent)
    : QGroupBox(parent), store_(store), prompts_(prompts), languageModule_(std::move(languageModule)),
      plans_(new QComboBox(this)), load_(new QPushButton(this)), fit_(new QPushButton(this)),
      view_(new CPlanView(store, matrix, this)) {
    setObjectName(QStringLiteral("planPanel"));
    plans_->setObjectName(QStringLiteral("planSelector"));
    load_->setObjectName(QStringLiteral("loadPlan"));
    fit_->setObjectName(QStringLiteral("fitPlan"));
    view_->setObjectName(QStringLiteral("planView"));
    auto* row = new QHBoxLayout;
    row->addWidget(plans_, 1);
    row->addWidget(load_);
    row->addWidget(fit_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(view_, 1);
    connect(load_, &QPushButton::clicked, this, &CPlanPanel::LoadPlan);
    connect(fit_, &QPushButton::clicked, view_, &CPlanView::Fit);
    connect(plans_, &QComboBox::currentIndexChanged, this, &CPlanPanel::ShowCurrentPlan);
    ApplyLanguage(languageModule_());
}

void CPlanPanel::ApplyLanguage(const QString& languageModulePath) {
    setTitle(LoadText(kPlanTitle, languageModulePath));
    load_->setText(LoadText(kLoadText, languageModulePath));
    fit_->setText(LoadText(kFitText, languageModulePath));
    view_->markerMenu()->actions().constFirst()->setText(LoadText(kRemoveText, languageModulePath));
}

void CPlanPanel::Refresh() {
    const QStringList& files = store_.floorPlans.files;
    if (files != shownFiles_) {
        shownFiles_ = files;
        images_.assign(size_t(files.size()), QImage());
        QStringList unreadable;
        for (qsizetype i = 0; i < files.size(); ++i)
            if (LoadPlanImage(files[i], images_[size_t(i)]) != PlanImageResult::Read)
                unreadable << QDir::toNativeSeparators(files[i]);
        const QSignalBlocker blocker(plans_);
        plans_->clear();
        for (const QString& file : files)
            plans_->addItem(QFileInfo(file).fileName());
        ShowCurrentPlan();
        if (!unreadable.isEmpty())
            prompts_.ShowList(kPlanTitle, kUnreadablePlans, unreadable);
    }
    view_->update();
}

void CPlanPanel::LoadPlan() {
    const QString module = languageModule_();
    const QString path = prompts_.ChooseFile({false, QString(), QString(), LoadText(kImageFilter, module) +
                                                                               QStringLiteral("|*.png;*.jpg;*.jpeg;*.svg||")});
    if (path.isEmpty())
        return;
    QImage image;
    const PlanImageResult result = LoadPlanImage(path, image);
    if (result != PlanImageResult::Read) {
        const StringId text = result == PlanImageResult::TooLarge ? kTooLarge : kUnreadable;
        prompts_.ShowFilledMessage(kPlanTitle, text, LoadText(text, module).arg(QDir::toNativeSeparators(path)));
        return;
    }
    const int plan = store_.floorPlans.AddPlan(path);
    shownFiles_ = store_.floorPlans.files;
    images_.resize(size_t(shownFiles_.size()));
    images_[size_t(plan)] = image;
    const QSignalBlocker blocker(plans_);
    if (plan == plans_->count())
        plans_->addItem(QFileInfo(path).fileName());
    plans_->setCurrentIndex(plan);
    ShowCurrentPlan();
    if (view_->placesChanged)
        view_->placesChanged();
}

void CPlanPanel::ShowCurrentPlan() {
    const int plan = plans_->currentIndex();
    view_->ShowPlan(plan, plan >= 0 && size_t(plan) < images_.size() ? images_[size_t(plan)] : QImage());
}
