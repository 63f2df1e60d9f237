#include "diary/shell/main.h"

#include "common/Clock.h"

#include "common/AppError.h"
#include "common/Application.h"
#include "diary/shell/CommandLabel.h"
#include "diary/store/TreeFile.h"
#include "diary/workbench/WriteDaily_unit.h"

#include <QCloseEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace {

const QString PasswordFile = QStringLiteral("temp.nod");
const QString EntryCaption = QStringLiteral("密码输入窗口");
const QString EntryPrompt = QStringLiteral("请输入密码:");
const QString WrongPassword = QStringLiteral("密码输入错误!!!");
const QString DamagedPasswordFile = QStringLiteral("密码文件\"%1\"已损坏，无法验证密码，程序将退出。");
const QString ExitQuestion = QStringLiteral("真的要退出吗？");
const QString ExitCaption = QStringLiteral("提示");
const QString ChangeCaption = QStringLiteral("修改密码窗口");
const QString OldLabel = QStringLiteral("原始密码:");
const QString NewLabel = QStringLiteral("修改密码:");
const QString WrongOldPassword = QStringLiteral("原始密码输入错误!!!");
const QString ChangeDone = QStringLiteral("密码修改成功,请记住:");

constexpr int WindowWidth = 115;
constexpr int WindowHeight = 325;

} // namespace

TMainForm::TMainForm(const AppContext& context, const QString& lanmateServer, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , m_context(context)
    , m_lanmate(lanmateServer)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Dailora"));
    setFixedSize(WindowWidth, WindowHeight);
    move(670, 96);
    buildCommands();
    FormCreate();
}

void TMainForm::FormCreate()
{
    m_programDir = m_context.programDir;
    m_passwordPassed = false;
    reportFailures(m_context.prompts,
        [&] { LoadTreeFile(m_password.tree(), m_context.file(PasswordFile), m_context.clock.now()); });
}

void TMainForm::buildCommands()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 65, 10, 30);
    layout->setSpacing(6);

    QFont commandFont(QStringLiteral("仿宋_GB2312"));
    commandFont.setPixelSize(16);
    commandFont.setBold(true);

    const auto command = [&](CommandLabel*& label, const char* name, const QString& caption) {
        label = new CommandLabel(caption, this);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(commandFont);
        label->setFixedHeight(26);
        layout->addWidget(label);
    };
    command(m_writeDailyLabl, "WriteDailyLabl", QStringLiteral("写 日 记"));
    command(m_searchLabl, "SearchLabl", QStringLiteral("查　　询"));
    command(m_fcLabel9, "fcLabel9", QStringLiteral("来　　源"));
    command(m_fcLabel2, "fcLabel2", QStringLiteral("修改密码"));
    command(m_exitLabel, "ShapeBtn4", QStringLiteral("退       出"));
    layout->addStretch();

    connect(m_writeDailyLabl, &CommandLabel::clicked, this, &TMainForm::WriteDailyLablClick);
    connect(m_searchLabl, &CommandLabel::clicked, this, &TMainForm::SearchLablClick);
    connect(m_fcLabel9, &CommandLabel::clicked, this, &TMainForm::fcLabel9Click);
    connect(m_fcLabel2, &CommandLabel::clicked, this, &TMainForm::fcLabel2Click);
    connect(m_exitLabel, &CommandLabel::clicked, this, &QWidget::close);
}

void TMainForm::attach(TWriteDaily_fm* workbench, QWidget* sources)
{
    m_workbench = workbench;
    m_sources = sources;
}

void TMainForm::WriteDailyLablClick()
{
    if (m_workbench)
        m_workbench->showMode(TWriteDaily_fm::Mode::Write);
}

void TMainForm::SearchLablClick()
{
    if (m_workbench)
        m_workbench->showMode(TWriteDaily_fm::Mode::Search);
}

void TMainForm::fcLabel9Click()
{
    if (!m_sources)
        return;
    m_sources->show();
    m_sources->raise();
    m_sources->activateWindow();
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
    FormClose();
    event->accept();
    emit closed();
}

void TMainForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(0, 0, 0, height());
    body.setColorAt(0, QColor(0x3A, 0x7B, 0xD5));
    body.setColorAt(1, QColor(0x1B, 0x3F, 0x8B));
    painter.fillRect(rect(), body);
    painter.setPen(QPen(QColor(255, 255, 255, 120), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 14, 14);

    QFont title(QStringLiteral("华文行楷"));
    title.setPixelSize(22);
    painter.setFont(title);
    const QRect titleRect(0, 18, width(), 32);
    painter.setPen(QColor(0, 0, 0, 110));
    painter.drawText(titleRect.translated(1, 1), Qt::AlignCenter, QStringLiteral("Dailora"));
    painter.setPen(Qt::white);
    painter.drawText(titleRect, Qt::AlignCenter, QStringLiteral("Dailora"));
    painter.setPen(QColor(255, 255, 255, 90));
    painter.drawLine(14, 56, width() - 14, 56);
}

void TMainForm::resizeEvent(QResizeEvent*)
{
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), 14, 14);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
}

void TMainForm::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        DragX = int(event->position().x());
        DragY = int(event->position().y());
    }
}

void TMainForm::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - QPoint(DragX, DragY));
}
