#pragma once
// The drop-down editor that CComboListCtrl's delegate opens over one cell:
// the owner's choices, at least 15 shown when dropped down. A pick from the
// opened list (mouse, or keys and Enter) is reported by QComboBox's
// `activated`; a drop-down closed without a pick is reported once the pick,
// if any, has been applied, so the edit then ends with the entry shown.

#include <QComboBox>

class CInPlaceCombo final : public QComboBox {
    Q_OBJECT

public:
    CInPlaceCombo(const QStringList& choices, QWidget* parent);

    void hidePopup() override;

Q_SIGNALS:
    // The drop-down closed and nothing was picked from it.
    void dismissed();

private:
    bool picked_ = false;
};
