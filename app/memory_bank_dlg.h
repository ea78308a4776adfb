#pragma once
// "Speicherbänke…": a bank picker (the known banks, or any number 0..255
// typed), "Auslesen", a table of every location of the bank read with its
// value in hex and its meaning, and "Schreiben…" for one location of that bank.

#include <QDialog>

#include <optional>

class MemoryBankActions;
class QComboBox;
class QPushButton;
class QSpinBox;
class QTableWidget;

class CMemoryBankDlg final : public QDialog {
    Q_OBJECT

public:
    CMemoryBankDlg(MemoryBankActions& actions, QWidget* parent = nullptr);

    QComboBox* bankBox() const { return bank_; }
    QTableWidget* table() const { return table_; }

private:
    void read();
    void write();

    MemoryBankActions& actions_;
    QComboBox* bank_;
    QTableWidget* table_;
    QSpinBox* location_;
    QSpinBox* value_;
    QPushButton* write_;
    std::optional<uint8_t> shownBank_;  // the bank the table holds
};
