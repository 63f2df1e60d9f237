#pragma once

#include "common/AppContext.h"
#include "common/LanmateContract.h"
#include "diary/shell/LanmateLink.h"
#include "diary/shell/PasswordTree.h"

#include <QWidget>

class CommandLabel;
class TWriteDaily_fm;

// The main window: a narrow borderless navigation bar. It holds the password tree, runs the
// password gate before it is first shown and asks before the program ends.
class TMainForm final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMainForm)

public:
    explicit TMainForm(const AppContext& context, const QString& lanmateServer = LanmateContract::serverName(),
        QWidget* parent = nullptr);

    const QString& ProgramDir() const { return m_programDir; }
    bool PasswordPassed() const { return m_passwordPassed; }
    NodeTree& fcTreeView1() { return m_password.tree(); }
    CommandLabel* WriteDailyLabl() const { return m_writeDailyLabl; }
    CommandLabel* SearchLabl() const { return m_searchLabl; }
    CommandLabel* fcLabel9() const { return m_fcLabel9; }
    CommandLabel* fcLabel2() const { return m_fcLabel2; }
    CommandLabel* exitLabel() const { return m_exitLabel; }

    // The windows the commands open, created after this one.
    void attach(TWriteDaily_fm* workbench, QWidget* sources);

    void WriteDailyLablClick();
    void SearchLablClick();
    void fcLabel9Click();

    // The password gate; false when the program must end instead of showing the window.
    bool FormShow();
    // The password change command.
    void fcLabel2Click();

    void setVisible(bool visible) override;

signals:
    // The gate refused or was cancelled: the program ends without writing anything.
    void terminateRequested();
    // The user confirmed the exit and the window has closed.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void FormCreate();
    bool FormCloseQuery();
    void FormClose();
    void buildCommands();
    bool refuseStart(const QString& message);

    AppContext m_context;
    QString m_programDir;
    bool m_passwordPassed = false;
    PasswordTree m_password;
    LanmateLink m_lanmate;
    // The dialogs show the texts confirmed last time again.
    QString m_lastEntered;
    QString m_lastOld;
    QString m_lastNew;
    int DragX = 0;
    int DragY = 0;
    TWriteDaily_fm* m_workbench = nullptr;
    QWidget* m_sources = nullptr;
    CommandLabel* m_writeDailyLabl = nullptr;
    CommandLabel* m_searchLabl = nullptr;
    CommandLabel* m_fcLabel9 = nullptr;
    CommandLabel* m_fcLabel2 = nullptr;
    CommandLabel* m_exitLabel = nullptr;
};
