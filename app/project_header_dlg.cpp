#include "app/project_header_dlg.h"

#include "storage/load_text.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr StringId kTitle = 505, kProject = 501, kSite = 502, kInstaller = 503, kNotes = 504, kOk = 179,
                   kCancel = 181;

}  // namespace

CProjectHeaderDlg::CProjectHeaderDlg(const ProjectHeader& header, const QString& languageModulePath, QWidget* parent)
    : QDialog(parent), project_(new QLineEdit(header.project, this)), site_(new QLineEdit(header.site, this)),
      installer_(new QLineEdit(header.installer, this)), notes_(new QPlainTextEdit(header.notes, this)) {
    const auto text = [&languageModulePath](StringId id) { return LoadText(id, languageModulePath); };
    setWindowTitle(text(kTitle));
    const std::pair<QLineEdit*, const char*> lines[] = {
        {project_, "project"}, {site_, "site"}, {installer_, "installer"}};
    for (const auto& [line, name] : lines) {
        line->setObjectName(QLatin1String(name));
        line->setMaxLength(int(kMaxProjectTextLength));
    }
    notes_->setObjectName(QStringLiteral("notes"));
    // Tab moves on to the buttons; a line break is typed with Return.
    notes_->setTabChangesFocus(true);
    connect(notes_, &QPlainTextEdit::textChanged, this, &CProjectHeaderDlg::LimitNotes);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(text(kOk));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setText(text(kCancel));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(text(kProject), project_);
    layout->addRow(text(kSite), site_);
    layout->addRow(text(kInstaller), installer_);
    layout->addRow(text(kNotes), notes_);
    layout->addRow(buttons);
    project_->setFocus();
}

ProjectHeader CProjectHeaderDlg::header() const {
    return {project_->text(), site_->text(), installer_->text(), notes_->toPlainText()};
}

void CProjectHeaderDlg::LimitNotes() {
    const QString notes = notes_->toPlainText();
    if (notes.size() <= kMaxProjectTextLength)
        return;
    QTextCursor cursor = notes_->textCursor();
    cursor.setPosition(int(CutText(notes, kMaxProjectTextLength).size()));
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    notes_->setTextCursor(cursor);
}
