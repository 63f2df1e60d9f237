#pragma once

#include <QDialog>

class QStatusBar;
class QTreeWidget;

// The contact list: one row per probe answer, name and (out of sight) address. A double-click
// chooses the selected contact and closes the window.
class TfrmIPList final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmIPList)

public:
    explicit TfrmIPList(QWidget* parent = nullptr);

    QTreeWidget* List;
    QStatusBar* StatusBar1;

    // Empties the list and asks for a probe; runs whenever the window is shown, and once for
    // the main window when that is first shown.
    void FormShow();
    void ListDblClick();

public slots:
    void clearContacts();
    void addContact(const QString& name, const QString& address);

signals:
    // The window is shown: a new probe round is to start.
    void probeRequested();
    void contactChosen(const QString& name, const QString& address);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
