#pragma once
// A page of the tab host until the page's own view replaces it: an empty form
// whose child controls are enabled and disabled together, optionally with the
// page's "Send" button, which notifies the main view (code 32).

#include <QWidget>

#include <functional>

class QPushButton;

class TabPageView final : public QWidget {
    Q_OBJECT

public:
    // With onSend the page gets its "Send" button, which calls onSend.
    explicit TabPageView(std::function<void()> onSend = {}, QWidget* parent = nullptr);

    // Enables or disables every child control of the page.
    void EnableControls(bool enabled);

    // Null on a page without one.
    QPushButton* sendButton() const { return send_; }

private:
    QPushButton* send_ = nullptr;
};
