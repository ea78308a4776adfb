#pragma once
// The list dialog: a text, a list of entries, OK and an optional cancel.
// Used through Prompts::PickFromList and Prompts::ShowList (DialogPrompts).

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
struct ListRequest;

class CListDlg final : public QDialog {
    Q_OBJECT

public:
    explicit CListDlg(QWidget* parent = nullptr);

    // With a cancel caption one entry must be chosen before OK counts; the
    // first is chosen to begin with. Without one the list is only read.
    void SetRequest(const ListRequest& request);

    // The entry chosen when OK closed the dialog; -1 after cancel or close.
    int chosen() const { return chosen_; }

private:
    void TakeChosen();

    QLabel* text_;
    QListWidget* list_;
    QPushButton* ok_;
    QPushButton* cancel_;
    bool picking_ = false;
    int chosen_ = -1;
};
