#include "diary/shell/main.h"

#include "common/Clock.h"

#include "common/AppError.h"
#include "common/Application.h"
#include "common/DocumentOpener.h"
#include "diary/shell/CommandLabel.h"
#include "diary/shell/DataBackup.h"
#include "diary/shell/GroupButton.h"
#include "diary/shell/OutlookBar.h"
#include "diary/shell/ShowHideButton.h"
#include "diary/store/TreeFile.h"
#include "diary/workbench/WriteDaily_unit.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTimer>

namespace {

// clang-format off
const QString PasswordFile        = QStringLiteral("temp.nod");
const QString EntryCaption        = QStringLiteral("密码输入窗口");
const QString EntryPrompt         = QStringLiteral("请输入密码:");
const QString WrongPassword       = QStringLiteral("密码输入错误!!!");
const QString DamagedPasswordFile = QStringLiteral("密码文件\"%1\"已损坏，无法验证密码，程序将退出。");
const QString ExitQuestion        = QStringLiteral("真的要退出吗？");
const QString ExitCaption         = QStringLiteral("提示");
const QString ChangeCaption       = QStringLiteral("修改密码窗口");
const QString OldLabel            = QStringLiteral("原始密码:");
const QString NewLabel            = QStringLiteral("修改密码:");
const QString WrongOldPassword    = QStringLiteral("原始密码输入错误!!!");
const QString ChangeDone          = QStringLiteral("密码修改成功,请记住:");
const QString AssistantFile       = QStringLiteral("Lanmate.dat");
const QString HelpFile            = QStringLiteral("help.doc");
const QString HelpMissing         = QStringLiteral("找不到帮助文件\"%1\"");
const QString HelpNoApplication   = QStringLiteral("没有能打开帮助文件\"%1\"的程序，请安装一个文字处理程序（例如 LibreOffice Writer）");
const QString HelpFailed          = QStringLiteral("帮助文件\"%1\"没有打开：%2");
// clang-format on

constexpr int WindowWidth = 115;
constexpr int WindowHeight = 325;
constexpr int LabelHeight = 26;
constexpr int LabelGap = 5;

QFont commandFont()
{
    QFont font(QStringLiteral("仿宋_GB2312"));
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}

QFont helpFont()
{
    QFont font(QStringLiteral("华文行楷"));
    font.setPixelSize(19);
    return font;
}

} // namespace

TMainForm::TMainForm(const AppContext& context, const QString& lanmateServer, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , m_context(context)
    , m_lanmate(lanmateServer)
    , m_pointer([] { return QCursor::pos(); })
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Dailora"));
    setFixedSize(WindowWidth, WindowHeight);
    move(670, 96);
    // Brought back by auto-hide without taking the keyboard from the window the user types in.
    setAttribute(Qt::WA_ShowWithoutActivating);
    buildBar();
    buildCommands();
    connectCommands();
    FormCreate();
}

void TMainForm::FormCreate()
{
    m_programDir = m_context.programDir;
    m_passwordPassed = false;
    reportFailures(m_context.prompts,
        [&] { LoadTreeFile(m_password.tree(), m_context.file(PasswordFile), m_context.clock.now()); });
}

void TMainForm::buildBar()
{
    fcOutlookBar1 = new OutlookBar(this);
    fcOutlookBar1->setObjectName(QStringLiteral("fcOutlookBar1"));
    fcOutlookBar1->setGeometry(10, 65, 93, 235);
    const auto group = [&](const char* name, const QString& caption, bool opensPanel = true) {
        auto* button = new GroupButton(caption);
        button->setObjectName(QString::fromLatin1(name));
        fcOutlookBar1->addGroup(button, opensPanel);
        return button;
    };
    ShapeBtn1 = group("ShapeBtn1", QStringLiteral("Dailora"));
    WorkHelperBtn = group("WorkHelperBtn", QStringLiteral("工作助手"));
    UpdateDadaBtn = group("UpdateDadaBtn", QStringLiteral("数据维护"));
    ShapeBtn3 = group("ShapeBtn3", QStringLiteral("帮       助"));
    // The exit group is the exit command; its panel stays empty and shut.
    ShapeBtn4 = group("ShapeBtn4", QStringLiteral("退       出"), false);
    fcOutlookBar1->open(0, false);

    ShowHide_btn = new ShowHideButton(this);
    ShowHide_btn->setObjectName(QStringLiteral("ShowHide_btn"));
    ShowHide_btn->setGeometry(36, 300, 22, 12);
    ShowHide_btn->setToolTip(QStringLiteral("自动隐藏切换"));
    ShowHide_btn->setCheckable(true);
    ShowHide_btn->setChecked(true);

    Timer1 = new QTimer(this);
    Timer1->setInterval(100);
}

void TMainForm::buildCommands()
{
    struct Command
    {
        CommandLabel*& label;
        const char* name;
        QString caption;
        QString hint;
        int group;
        bool help;
    };
    // clang-format off
    const Command commands[] = {
        { m_labels.WriteDailyLabl, "WriteDailyLabl", QStringLiteral("写 日 记"), QStringLiteral("打开Dailora输入窗口"), 0, false },
        { m_labels.SearchLabl,     "SearchLabl",     QStringLiteral("查　　询"), QStringLiteral("打开日记查询窗口"),    0, false },
        { m_labels.TongJiLabl,     "TongJiLabl",     QStringLiteral("浏　　览"), QStringLiteral("以月历形式查看日记"),  0, false },
        { m_labels.fcLabel5,       "fcLabel5",       QStringLiteral("自动提醒"), {}, 1, false },
        { m_labels.fcLabel1,       "fcLabel1",       QStringLiteral("网络助手"), {}, 1, false },
        { m_labels.fcLabel9,       "fcLabel9",       QStringLiteral("来　　源"), {}, 2, false },
        { m_labels.fcLabel12,      "fcLabel12",      QStringLiteral("数据备份"), {}, 2, false },
        { m_labels.fcLabel13,      "fcLabel13",      QStringLiteral("数据恢复"), {}, 2, false },
        { m_labels.fcLabel2,       "fcLabel2",       QStringLiteral("修改密码"), {}, 2, false },
        { m_labels.fcLabel11,      "fcLabel11",      QStringLiteral("帮助"),     QStringLiteral("以Word形式显示帮助"), 3, true },
        { m_labels.fcLabel10,      "fcLabel10",      QStringLiteral("关于"),     {}, 3, true },
    };
    // clang-format on
    int inGroup[5] = {};
    for (const Command& command : commands) {
        QWidget* panel = fcOutlookBar1->panel(command.group);
        command.label = new CommandLabel(command.caption, panel);
        command.label->setObjectName(QString::fromLatin1(command.name));
        command.label->setFont(command.help ? helpFont() : commandFont());
        command.label->setToolTip(command.hint);
        const int row = inGroup[command.group]++;
        command.label->setGeometry(4, 8 + row * (LabelHeight + LabelGap), 85, LabelHeight);
    }
}

void TMainForm::connectCommands()
{
    const std::pair<CommandLabel*, void (TMainForm::*)()> handlers[] = {
        { m_labels.WriteDailyLabl, &TMainForm::WriteDailyLablClick },
        { m_labels.SearchLabl, &TMainForm::SearchLablClick },
        { m_labels.TongJiLabl, &TMainForm::TongJiLablClick },
        { m_labels.fcLabel5, &TMainForm::fcLabel5Click },
        { m_labels.fcLabel1, &TMainForm::fcLabel1Click },
        { m_labels.fcLabel9, &TMainForm::fcLabel9Click },
        { m_labels.fcLabel12, &TMainForm::fcLabel12Click },
        { m_labels.fcLabel13, &TMainForm::fcLabel13Click },
        { m_labels.fcLabel2, &TMainForm::fcLabel2Click },
        { m_labels.fcLabel11, &TMainForm::fcLabel11Click },
        { m_labels.fcLabel10, &TMainForm::fcLabel10Click },
    };
    for (const auto& [label, handler] : handlers)
        connect(label, &CommandLabel::clicked, this, handler);
    connect(ShapeBtn4, &QAbstractButton::clicked, this, &TMainForm::ShapeBtn4Click);
    connect(ShowHide_btn, &QAbstractButton::clicked, this, &TMainForm::ShowHide_btnClick);
    connect(Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
}

void TMainForm::attach(Windows windows)
{
    m_windows = std::move(windows);
}

void TMainForm::showWindow(QWidget* window)
{
    if (!window)
        return;
    window->show();
    window->raise();
    window->activateWindow();
}

void TMainForm::WriteDailyLablClick()
{
    if (m_windows.workbench)
        m_windows.workbench->showMode(TWriteDaily_fm::Mode::Write);
}

void TMainForm::SearchLablClick()
{
    if (m_windows.workbench)
        m_windows.workbench->showMode(TWriteDaily_fm::Mode::Search);
}

void TMainForm::TongJiLablClick()
{
    showWindow(m_windows.browse);
}

void TMainForm::fcLabel5Click()
{
    showWindow(m_windows.reminders);
}

void TMainForm::fcLabel1Click()
{
    m_lanmate.start(QDir(m_programDir).filePath(AssistantFile));
}

void TMainForm::fcLabel9Click()
{
    showWindow(m_windows.sources);
}

void TMainForm::fcLabel12Click()
{
    if (m_windows.backup)
        m_windows.backup->backup();
}

void TMainForm::fcLabel13Click()
{
    if (m_windows.backup)
        m_windows.backup->restore();
}

void TMainForm::fcLabel11Click()
{
    const QString path = QDir(m_programDir).filePath(HelpFile);
    if (!QFileInfo::exists(path)) {
        m_context.prompts.error(HelpMissing.arg(path));
        return;
    }
    if (!m_windows.opener)
        return;
    Prompts& prompts = m_context.prompts;
    m_windows.opener->open(path, [&prompts, path](const DocumentOpener::Result& result) {
        switch (result.outcome) {
        case DocumentOpener::Outcome::Opened:
            return;
        case DocumentOpener::Outcome::NoApplication:
            prompts.error(HelpNoApplication.arg(path));
            return;
        case DocumentOpener::Outcome::Failed:
            prompts.error(HelpFailed.arg(path, result.message));
            return;
        }
    });
}

void TMainForm::fcLabel10Click()
{
    showWindow(m_windows.about);
}

void TMainForm::ShapeBtn4Click()
{
    close();
}

void TMainForm::ShowHide_btnClick()
{
    if (ShowHide_btn->isChecked()) {
        Timer1->stop();
        show();
        raise();
    } else {
        Timer1->start();
    }
}

bool TMainForm::pointerInside(const QPoint& pos, const QRect& window)
{
    return pos.x() >= window.left() && pos.x() <= window.left() + window.width() - 20 && pos.y() >= window.top()
        && pos.y() <= window.top() + window.height() - 10;
}

void TMainForm::setPointerSource(std::function<QPoint()> source)
{
    m_pointer = std::move(source);
}

void TMainForm::Timer1Timer()
{
    if (pointerInside(m_pointer(), geometry())) {
        show();
        raise();
    } else {
        hide();
    }
}

void TMainForm::setVisible(bool visible)
{
    if (visible && !isVisible() && !FormShow())
        return;
    QWidget::setVisible(visible);
}

bool TMainForm::refuseStart(const QString& message)
{
    if (!message.isEmpty())
        m_context.prompts.notice(message);
    emit terminateRequested();
    return false;
}

bool TMainForm::FormShow()
{
    if (m_passwordPassed)
        return true;
    // A password file without the password node must not open the diary.
    if (!m_password.hasPassword())
        return refuseStart(DamagedPasswordFile.arg(m_context.file(PasswordFile)));
    const std::optional<QString> entered = m_context.prompts.password(EntryCaption, EntryPrompt, m_lastEntered);
    if (!entered)
        return refuseStart({});
    m_lastEntered = *entered;
    if (!m_password.matches(*entered))
        return refuseStart(WrongPassword);
    m_passwordPassed = true;
    emit gatePassed();
    return true;
}

void TMainForm::fcLabel2Click()
{
    const auto texts = m_context.prompts.passwordChange(ChangeCaption, OldLabel, NewLabel, m_lastOld, m_lastNew);
    if (!texts)
        return;
    m_lastOld = texts->first;
    m_lastNew = texts->second;
    if (m_password.change(texts->first, texts->second) == PasswordTree::Change::WrongOldPassword) {
        m_context.prompts.notice(WrongOldPassword);
        return;
    }
    // Success is told only once the file holds the new password; a failed save keeps the old one.
    try {
        SaveTreeFile(m_password.tree(), m_context.file(PasswordFile));
    } catch (const AppError& failure) {
        m_password.change(texts->second, texts->first);
        m_context.prompts.error(failure.message());
        return;
    }
    m_context.prompts.notice(ChangeDone + texts->second);
}

bool TMainForm::FormCloseQuery()
{
    return m_context.prompts.confirm(ExitQuestion, ExitCaption, Prompts::Icon::Information);
}

void TMainForm::FormClose()
{
    m_lanmate.closeAndWait();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    Timer1->stop();
    FormClose();
    event->accept();
    emit closed();
}

void TMainForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient fill(0, 0, width(), height());
    fill.setColorAt(0, QColor(0x2E, 0x6C, 0xC9));
    fill.setColorAt(0.55, QColor(0x1D, 0x4A, 0x9A));
    fill.setColorAt(1, QColor(0x12, 0x2F, 0x6A));
    QPainterPath outline;
    outline.addRoundedRect(body, 16, 16);
    painter.fillPath(outline, fill);

    // A soft light over the title.
    QRadialGradient glow(QPointF(width() / 2.0, 30), 70);
    glow.setColorAt(0, QColor(255, 255, 255, 70));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillPath(outline, glow);

    QFont title(QStringLiteral("Noto Serif CJK SC"));
    title.setPixelSize(25);
    title.setBold(true);
    title.setItalic(true);
    painter.setFont(title);
    const QRect titleRect(0, 14, width(), 34);
    painter.setPen(QColor(0, 0, 0, 120));
    painter.drawText(titleRect.translated(1, 2), Qt::AlignCenter, QStringLiteral("Dailora"));
    painter.setPen(QColor(0xFF, 0xF4, 0xC8));
    painter.drawText(titleRect, Qt::AlignCenter, QStringLiteral("Dailora"));
    QFont subtitle(QStringLiteral("宋体"));
    subtitle.setPixelSize(11);
    painter.setFont(subtitle);
    painter.setPen(QColor(255, 255, 255, 170));
    painter.drawText(QRect(0, 44, width(), 16), Qt::AlignCenter, QStringLiteral("工 作 日 记"));

    // The bar sits in a sunken well.
    painter.setPen(QPen(QColor(0x0B, 0x20, 0x4C), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(fcOutlookBar1->geometry()).adjusted(-1.5, -1.5, 1.5, 1.5), 3, 3);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
    painter.drawPath(outline);
    painter.setPen(QPen(QColor(0x0B, 0x20, 0x4C), 1));
    painter.drawRoundedRect(body.adjusted(2, 2, -2, -2), 14, 14);
}

void TMainForm::resizeEvent(QResizeEvent*)
{
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), 16, 16);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
}

void TMainForm::fcImageForm1MouseDown(const QPoint& pos)
{
    DragX = pos.x();
    DragY = pos.y();
}

void TMainForm::fcImageForm1MouseMove(const QPoint& pos, Qt::MouseButtons buttons)
{
    if (!(buttons & Qt::LeftButton))
        return;
    move(x() + pos.x() - DragX, y());
    move(x(), y() + pos.y() - DragY);
}

void TMainForm::mousePressEvent(QMouseEvent* event)
{
    fcImageForm1MouseDown(event->position().toPoint());
}

void TMainForm::mouseMoveEvent(QMouseEvent* event)
{
    fcImageForm1MouseMove(event->position().toPoint(), event->buttons());
}
