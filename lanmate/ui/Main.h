#pragma once

#include "common/AppContext.h"
#include "lanmate/chatlog/ChatLog.h"

#include <QMainWindow>

class BevelPanel;
class ButtonEdit;
class LanSession;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTextEdit;
class QTimer;
class TfrmIPList;

// The assistant's main window: the contact and file boxes, the two send modes, the message
// box, the chat log, the transfer gauge and the status bar. The network is the session's; the
// window shows what it reports and hands it the user's commands.
class TfrmMain final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmMain)

public:
    TfrmMain(const AppContext& context, LanSession& session, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // The contact list, created after this window.
    void attach(TfrmIPList* frmIPList);

    BevelPanel* Panel1;
    ButtonEdit* SendTo;
    QLabel* Label2;
    QLabel* Label1;
    ButtonEdit* FileName;
    QCheckBox* CheckBox1;
    QLabel* Label3;
    QPlainTextEdit* SendStringEdt;
    QCheckBox* CheckBox2;
    QPushButton* BtnSend;
    QTextEdit* RichEdit1;
    QProgressBar* Gauge;
    QStatusBar* StatusBar1;
    QLabel* StatusPanel0;
    QLabel* StatusPanel1;
    QMenu* N1;
    QAction* N2;
    QAction* N3;
    QAction* N5;
    QTimer* Timer1;

    const QString& ExeDir() const { return m_exeDir; }
    const QString& TargetIP() const { return m_targetIP; }
    const ChatLog& log() const { return m_log; }

    // Start-up: the log loaded from the program folder (a failure reported, the log empty).
    void FormCreate();
    void SendToButtonClick();
    void FileNameButtonClick();
    void CheckBox1Click();
    void CheckBox2Click();
    void BtnSendClick();
    void Timer1Timer();
    void N2Click();
    void N3Click();
    void N5Click();

public slots:
    // Appends one entry to the chat log (a CR or LF inside it starts a new line).
    void appendEntry(const QString& entry);
    void chooseContact(const QString& name, const QString& address);

signals:
    // The window has closed and its log is saved.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPanel();
    void buildLogAndStatus(QWidget* central);
    void buildMenu();
    void connectSession();
    void FormShow();
    void FormClose();
    void renderLog();
    void showGauge(int maximum, int position);
    void fileSaved();

    AppContext m_context;
    LanSession& m_session;
    TfrmIPList* m_frmIPList = nullptr;
    QString m_exeDir;
    QString m_targetIP;
    ChatLog m_log;
    bool m_shownOnce = false;
};
