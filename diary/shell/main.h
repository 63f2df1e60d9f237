#pragma once

#include "common/AppContext.h"
#include "common/LanmateContract.h"
#include "diary/shell/LanmateLink.h"
#include "diary/shell/PasswordTree.h"

#include <QWidget>
#include <functional>

class CommandLabel;
class DataBackup;
class DocumentOpener;
class OutlookBar;
class QAbstractButton;
class QTimer;
class TWriteDaily_fm;

// The main window: a narrow borderless navigation bar from which every window of the diary is
// reached. It holds the password tree, runs the password gate before it is first shown, hides
// itself on request and asks before the program ends.
class TMainForm final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMainForm)

public:
    // The windows and commands created after this window.
    struct Windows
    {
        TWriteDaily_fm* workbench = nullptr;
        QWidget* sources = nullptr;
        QWidget* browse = nullptr;
        QWidget* reminders = nullptr;
        QWidget* about = nullptr;
        DataBackup* backup = nullptr;
        DocumentOpener* opener = nullptr; // opens the help document
    };

    explicit TMainForm(const AppContext& context, const QString& lanmateServer = LanmateContract::serverName(),
        QWidget* parent = nullptr);

    const QString& ProgramDir() const { return m_programDir; }
    bool PasswordPassed() const { return m_passwordPassed; }
    NodeTree& fcTreeView1() { return m_password.tree(); }
    CommandLabel* WriteDailyLabl() const { return m_labels.WriteDailyLabl; }
    CommandLabel* SearchLabl() const { return m_labels.SearchLabl; }
    CommandLabel* fcLabel9() const { return m_labels.fcLabel9; }
    CommandLabel* fcLabel2() const { return m_labels.fcLabel2; }
    QAbstractButton* exitLabel() const { return ShapeBtn4; }
    const LanmateLink& lanmate() const { return m_lanmate; }
    int dragX() const { return DragX; }
    int dragY() const { return DragY; }

    void attach(Windows windows);

    void WriteDailyLablClick();
    void SearchLablClick();
    void TongJiLablClick();
    void fcLabel5Click();
    void fcLabel1Click();
    void fcLabel9Click();
    void fcLabel12Click();
    void fcLabel13Click();
    // The password change command.
    void fcLabel2Click();
    void fcLabel11Click();
    void fcLabel10Click();
    void ShapeBtn4Click();
    void ShowHide_btnClick();
    void Timer1Timer();

    // The password gate; false when the program must end instead of showing the window.
    bool FormShow();

    // Whether auto-hide shows the window for a pointer at pos (screen coordinates): the
    // rightmost 19 columns and the bottom 9 rows of the window do not count.
    static bool pointerInside(const QPoint& pos, const QRect& window);
    // Where Timer1 reads the pointer; the real pointer unless a test sets another source.
    void setPointerSource(std::function<QPoint()> source);

    OutlookBar* fcOutlookBar1;
    QAbstractButton* ShapeBtn1;
    QAbstractButton* WorkHelperBtn;
    QAbstractButton* UpdateDadaBtn;
    QAbstractButton* ShapeBtn3;
    QAbstractButton* ShapeBtn4;
    QAbstractButton* ShowHide_btn;
    QTimer* Timer1;

    void setVisible(bool visible) override;

signals:
    // The password was accepted; the window is about to show for the first time.
    void gatePassed();
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
    struct Labels
    {
        CommandLabel* WriteDailyLabl = nullptr;
        CommandLabel* SearchLabl = nullptr;
        CommandLabel* TongJiLabl = nullptr;
        CommandLabel* fcLabel5 = nullptr;
        CommandLabel* fcLabel1 = nullptr;
        CommandLabel* fcLabel9 = nullptr;
        CommandLabel* fcLabel12 = nullptr;
        CommandLabel* fcLabel13 = nullptr;
        CommandLabel* fcLabel2 = nullptr;
        CommandLabel* fcLabel11 = nullptr;
        CommandLabel* fcLabel10 = nullptr;
    };

    void FormCreate();
    bool FormCloseQuery();
    void FormClose();
    void fcImageForm1MouseDown(const QPoint& pos);
    void fcImageForm1MouseMove(const QPoint& pos, Qt::MouseButtons buttons);
    void buildBar();
    void buildCommands();
    void connectCommands();
    bool refuseStart(const QString& message);
    static void showWindow(QWidget* window);

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
    Windows m_windows;
    Labels m_labels;
    std::function<QPoint()> m_pointer;
};
