#include "lanmate/ui/Main.h"

#include "common/Application.h"
#include "common/Clock.h"
#include "common/Prompts.h"
#include "lanmate/net/LanSession.h"
#include "lanmate/net/LanTexts.h"
#include "lanmate/ui/BevelPanel.h"
#include "lanmate/ui/ButtonEdit.h"
#include "lanmate/ui/IPList.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

namespace {

const QString Caption = QStringLiteral("Lanmate");
const QString LogFileName = QStringLiteral("talkRecords.txt");
const QString SendToHint = QStringLiteral("选择联系人");
const QString Label2Text = QStringLiteral("左面选择联系人");
const QString Label1Text = QStringLiteral("请选择要传送的文件");
const QString FileNameHint = QStringLiteral("选择要发送的文件");
const QString FileDialogTitle = QStringLiteral("选择您要传送的文件:");
const QString FileDialogFilter = QStringLiteral("所有文件 (*)");
const QString CheckBox1Text = QStringLiteral("发送文件");
const QString Label3Text = QStringLiteral("在下面编辑框中输入要发送信息");
const QString SendStringHint = QStringLiteral("CTRL+ENTER 发送信息");
const QString CheckBox2Text = QStringLiteral("发送信息");
const QString BtnSendText = QStringLiteral("点 击 发 送 请 求 ");
const QString MenuText = QStringLiteral("文件");
const QString N2Text = QStringLiteral("保存聊天纪录");
const QString N3Text = QStringLiteral("清空聊天记录");
const QString N5Text = QStringLiteral("装载聊天记录");
const QString FileModeError = QStringLiteral("喂，地址框或文件框出错了!");
const QString MessageModeError = QStringLiteral("文件名或IP地址无效！");
const QString ClearQuestion = QStringLiteral("您真想清空聊天记录吗？");
const QString LoadQuestion = QStringLiteral("当前记录会被清空,还要继续吗?");
const QString QuestionCaption = QStringLiteral("提示");
const QString LoadDialogTitle = QStringLiteral("装载聊天记录");
const QString LoadDialogFilter = QStringLiteral("文本文件(*.txt)");

// The system's inactive-caption gradient colour, behind the boxes and the log.
const QColor BoxBackground(215, 228, 242);

constexpr int ClientWidth = 320;
constexpr int PanelHeight = 145;
constexpr int LogHeight = 309;
constexpr int GaugeHeight = 26;
constexpr int StatusHeight = 26;

QFont songti(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel* label(const QString& text, int pixels, QPoint at, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setFont(songti(pixels, true));
    l->adjustSize();
    l->move(at);
    return l;
}

void tintBackground(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, BoxBackground);
    widget->setPalette(palette);
}

// The message box's Text: line breaks as CR LF, as the peers expect them.
QString messageText(const QString& plain)
{
    QString text = plain;
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

} // namespace

TfrmMain::TfrmMain(const AppContext& context, LanSession& session, QWidget* parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_session(session)
    , m_exeDir(context.programDir)
    , m_log(QDir(context.programDir).filePath(LogFileName), context.clock)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Caption);
    setFont(songti(12));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint);

    auto* central = new QWidget(this);
    central->setFixedSize(ClientWidth, PanelHeight + LogHeight + GaugeHeight);
    setCentralWidget(central);
    Panel1 = new BevelPanel(central);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, ClientWidth, PanelHeight);
    buildPanel();
    buildLogAndStatus(central);
    buildMenu();
    connectSession();

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);
    Timer1->start();

    setFixedSize(ClientWidth, menuBar()->sizeHint().height() + PanelHeight + LogHeight + GaugeHeight + StatusHeight);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::buildPanel()
{
    SendTo = new ButtonEdit(ButtonEdit::Glyph::Ellipsis, Panel1);
    SendTo->setObjectName(QStringLiteral("SendTo"));
    SendTo->setGeometry(6, 5, 185, 21);
    SendTo->setFont(songti(12, true));
    SendTo->setToolTip(SendToHint);
    tintBackground(SendTo);
    connect(SendTo, &ButtonEdit::buttonClicked, this, &TfrmMain::SendToButtonClick);

    Label2 = label(Label2Text, 14, { 210, 8 }, Panel1);
    Label1 = label(Label1Text, 16, { 6, 30 }, Panel1);

    FileName = new ButtonEdit(ButtonEdit::Glyph::Folder, Panel1);
    FileName->setObjectName(QStringLiteral("FileName"));
    FileName->setGeometry(6, 49, 229, 22);
    FileName->setToolTip(FileNameHint);
    tintBackground(FileName);
    connect(FileName, &ButtonEdit::buttonClicked, this, &TfrmMain::FileNameButtonClick);

    CheckBox1 = new QCheckBox(CheckBox1Text, Panel1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setFont(songti(12, true));
    CheckBox1->adjustSize();
    CheckBox1->move(244, 48);
    CheckBox1->setChecked(true);
    connect(CheckBox1, &QCheckBox::clicked, this, &TfrmMain::CheckBox1Click);

    Label3 = label(Label3Text, 16, { 7, 77 }, Panel1);

    SendStringEdt = new QPlainTextEdit(Panel1);
    SendStringEdt->setObjectName(QStringLiteral("SendStringEdt"));
    SendStringEdt->setGeometry(6, 94, 227, 21);
    SendStringEdt->setToolTip(SendStringHint);
    SendStringEdt->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SendStringEdt->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SendStringEdt->setTabChangesFocus(true);
    SendStringEdt->document()->setDocumentMargin(1);
    tintBackground(SendStringEdt);
    SendStringEdt->installEventFilter(this);

    CheckBox2 = new QCheckBox(CheckBox2Text, Panel1);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setFont(songti(12, true));
    CheckBox2->adjustSize();
    CheckBox2->move(244, 96);
    connect(CheckBox2, &QCheckBox::clicked, this, &TfrmMain::CheckBox2Click);

    BtnSend = new QPushButton(BtnSendText, Panel1);
    BtnSend->setObjectName(QStringLiteral("BtnSend"));
    BtnSend->setGeometry(3, 117, 315, 29);
    BtnSend->setFlat(true);
    BtnSend->setFont(songti(19, true));
    BtnSend->setCursor(Qt::PointingHandCursor);
    connect(BtnSend, &QPushButton::clicked, this, &TfrmMain::BtnSendClick);
}

void TfrmMain::buildLogAndStatus(QWidget* central)
{
    RichEdit1 = new QTextEdit(central);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(0, PanelHeight, ClientWidth, LogHeight);
    RichEdit1->setReadOnly(true);
    RichEdit1->setFont(songti(12));
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tintBackground(RichEdit1);

    Gauge = new QProgressBar(central);
    Gauge->setObjectName(QStringLiteral("Gauge"));
    Gauge->setGeometry(0, PanelHeight + LogHeight, ClientWidth, GaugeHeight);
    Gauge->setRange(0, 100);
    Gauge->setValue(0);
    Gauge->setAlignment(Qt::AlignCenter);
    // Navy bar; the style draws the percentage in the contrasting colour where the bar covers it.
    QPalette navy = Gauge->palette();
    navy.setColor(QPalette::Highlight, QColor(0, 0, 128));
    navy.setColor(QPalette::HighlightedText, Qt::white);
    navy.setColor(QPalette::Base, Qt::white);
    Gauge->setPalette(navy);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(StatusHeight);
    StatusPanel0 = new QLabel(StatusBar1);
    StatusPanel0->setFixedWidth(250);
    StatusPanel1 = new QLabel(StatusBar1);
    StatusPanel1->setFixedWidth(50);
    StatusBar1->addWidget(StatusPanel0);
    StatusBar1->addWidget(StatusPanel1);
    setStatusBar(StatusBar1);
}

void TfrmMain::buildMenu()
{
    N1 = menuBar()->addMenu(MenuText);
    N2 = N1->addAction(N2Text, this, &TfrmMain::N2Click);
    N3 = N1->addAction(N3Text, this, &TfrmMain::N3Click);
    N1->addSeparator();
    N5 = N1->addAction(N5Text, this, &TfrmMain::N5Click);
}

void TfrmMain::connectSession()
{
    connect(&m_session, &LanSession::chatLogged, this, &TfrmMain::appendEntry);
    connect(&m_session, &LanSession::statusChanged, StatusPanel0, &QLabel::setText);
    connect(&m_session, &LanSession::sendEnabledChanged, BtnSend, &QPushButton::setEnabled);
    connect(&m_session, &LanSession::panelEnabledChanged, Panel1, &QWidget::setEnabled);
    connect(&m_session, &LanSession::gaugeChanged, this, &TfrmMain::showGauge);
    connect(&m_session, &LanSession::fileReceived, this, &TfrmMain::fileSaved);
}

void TfrmMain::attach(TfrmIPList* frmIPList)
{
    m_frmIPList = frmIPList;
    connect(frmIPList, &TfrmIPList::contactChosen, this, &TfrmMain::chooseContact);
}

void TfrmMain::FormCreate()
{
    RichEdit1->clear();
    reportFailures(m_context.prompts, [this] { m_log.loadAtStart(); });
    renderLog();
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormShow();
    }
}

void TfrmMain::FormShow()
{
    if (m_frmIPList)
        m_frmIPList->FormShow();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    FormClose();
    emit closed();
}

void TfrmMain::FormClose()
{
    reportFailures(m_context.prompts, [this] { m_log.saveAtClose(); });
}

void TfrmMain::SendToButtonClick()
{
    if (m_frmIPList)
        m_frmIPList->exec();
}

void TfrmMain::FileNameButtonClick()
{
    const QString path
        = m_context.prompts.openFileName(FileDialogTitle, QFileInfo(FileName->text()).path(), FileDialogFilter);
    if (!path.isEmpty())
        FileName->setText(QDir::toNativeSeparators(path));
}

void TfrmMain::chooseContact(const QString& name, const QString& address)
{
    SendTo->setText(name);
    m_targetIP = address;
}

void TfrmMain::CheckBox1Click()
{
    CheckBox2->setChecked(!CheckBox1->isChecked());
}

void TfrmMain::CheckBox2Click()
{
    CheckBox1->setChecked(!CheckBox2->isChecked());
}

void TfrmMain::BtnSendClick()
{
    if (CheckBox1->isChecked()) {
        if (FileName->text().isEmpty() || SendTo->text().isEmpty()) {
            LanSession::ShowError(m_context.prompts, FileModeError);
            return;
        }
        m_session.sendOffer(FileName->text(), m_targetIP);
        return;
    }
    if (SendTo->text().isEmpty()) {
        LanSession::ShowError(m_context.prompts, MessageModeError);
        return;
    }
    if (m_session.sendChat(SendTo->text(), m_targetIP, messageText(SendStringEdt->toPlainText())))
        SendStringEdt->clear();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    // Ctrl+Enter sends (the main keyboard's and the keypad's); Enter alone adds a line.
    if (watched == SendStringEdt && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            && key->modifiers().testFlag(Qt::ControlModifier)) {
            BtnSendClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::Timer1Timer()
{
    StatusPanel1->setText(LanSession::longTime(m_context.clock.now().time()));
}

void TfrmMain::N2Click()
{
    m_session.promptQueue().post(
        [this] {
            const QString path
                = m_context.prompts.saveFileName(LanTexts::saveDialogTitle(), m_exeDir, LanTexts::saveDialogFilter());
            if (!path.isEmpty())
                reportFailures(m_context.prompts, [&] { m_log.saveTo(path); });
        },
        false);
}

void TfrmMain::N3Click()
{
    m_session.promptQueue().post(
        [this] {
            if (!m_context.prompts.confirm(ClearQuestion, QuestionCaption, Prompts::Icon::Information))
                return;
            m_log.clear();
            renderLog();
        },
        false);
}

void TfrmMain::N5Click()
{
    m_session.promptQueue().post(
        [this] {
            if (!m_context.prompts.confirm(LoadQuestion, QuestionCaption, Prompts::Icon::Information))
                return;
            const QString path = m_context.prompts.openFileName(LoadDialogTitle, m_exeDir, LoadDialogFilter);
            if (path.isEmpty())
                return;
            reportFailures(m_context.prompts, [&] {
                m_log.loadFrom(path);
                renderLog();
            });
        },
        false);
}

void TfrmMain::appendEntry(const QString& entry)
{
    m_log.append(entry);
    QTextCursor cursor(RichEdit1->document());
    cursor.movePosition(QTextCursor::End);
    if (m_log.entries().size() > 1)
        cursor.insertBlock();
    QString shown = m_log.entries().constLast();
    cursor.insertText(shown.replace(QLatin1Char('\n'), QChar::LineSeparator));
    RichEdit1->ensureCursorVisible();
}

void TfrmMain::renderLog()
{
    RichEdit1->clear();
    QTextCursor cursor(RichEdit1->document());
    bool first = true;
    for (QString entry : m_log.entries()) {
        if (!first)
            cursor.insertBlock();
        first = false;
        cursor.insertText(entry.replace(QLatin1Char('\n'), QChar::LineSeparator));
    }
}

void TfrmMain::showGauge(int maximum, int position)
{
    Gauge->setMaximum(std::max(maximum, 1));
    Gauge->setValue(position);
}

void TfrmMain::fileSaved()
{
    FileName->clear();
    SendTo->clear();
}
