#include "diary/reminders/tixing.h"

#include "common/Application.h"
#include "common/Clock.h"
#include "common/Prompts.h"
#include "diary/reminders/ClockDial.h"
#include "diary/reminders/ShapeButton.h"
#include "diary/reminders/WaveSound.h"
#include "diary/reminders/add_tixing.h"
#include "diary/reminders/dbm1.h"
#include "diary/reminders/showTixingInf.h"
#include "diary/toolkit/ImageButton.h"
#include "diary/widgets/BmpClock.h"
#include "diary/widgets/Magnetic.h"
#include "diary/widgets/MoxCalendar.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QShowEvent>
#include <QStatusBar>
#include <QTableView>
#include <QTimeEdit>
#include <QTimer>

namespace {

// clang-format off
const QString kCaption       = QStringLiteral("提醒主窗体");
const QString kNew           = QStringLiteral("新    建");
const QString kModify        = QStringLiteral("修    改");
const QString kDelete        = QStringLiteral("删    除");
const QString kToday         = QStringLiteral("今天提醒");
const QString kWeekday       = QStringLiteral("今天星期");
const QString kAddCaption    = QStringLiteral("添加提醒记录窗口");
const QString kEditCaption   = QStringLiteral("编辑事物提醒记录窗口");
const QString kNothingToEdit = QStringLiteral("没有记录可以修改");
const QString kNothingToDrop = QStringLiteral("没有记录可以删除");
const QString kConfirmDrop   = QStringLiteral("确实要删除这条记录吗？");
const QString kAnnounced     = QStringLiteral("当前事务提醒：");
const QString kTodayHeading  = QStringLiteral("今日你的事项:");
const QString kSound         = QStringLiteral("ringin.wav");

const QString kCalendarHint  = QStringLiteral("双击一个日期显示本天所写的所有提醒");
const QString kGridHint      = QStringLiteral("这里放的是本天写的所有提醒");
const QString kNewHint       = QStringLiteral("新建一个提醒");
const QString kModifyHint    = QStringLiteral(" 对当前的提醒进行修改");
const QString kDeleteHint    = QStringLiteral(" 对当前的提醒进行删除");
const QString kTodayHint     = QStringLiteral("浏览今天要提醒的所有内容");
// clang-format on

const QColor kSkyBlue(166, 202, 240);

// Sunday first, as the weekday numbers 7, 1 .. 6 are taken modulo 7.
const QString kWeekdayChars = QStringLiteral("日一二三四五六");

void setBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

TTixingForm::TTixingForm(
    const AppContext& context, Tdm1& dm1, QWidget* mainWindow, ReminderSound* sound, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , fcImageBtn1(new QPushButton(QStringLiteral("X"), this))
    , MoxCalendar1(new TMoxCalendar(context.clock, this))
    , PreYearBtn(new ImageButton(ImageButton::Symbol::DoubleLeft, QStringLiteral("上一年"), this))
    , NextYearBtn(new ImageButton(ImageButton::Symbol::DoubleRight, QStringLiteral("下一年"), this))
    , PreMonBtn(new ImageButton(ImageButton::Symbol::Left, QStringLiteral("上一月"), this))
    , NextMonBtn(new ImageButton(ImageButton::Symbol::Right, QStringLiteral("下一月"), this))
    , DBGrid1(new QTableView(this))
    , fcPanel1(new QFrame(this))
    , BmpClock1(new TBmpClock(context.clock, fcPanel1))
    , Image1(new QLabel(fcPanel1))
    , fcShapeBtn1(new ShapeButton(kNew, kSkyBlue, fcPanel1))
    , fcShapeBtn2(new ShapeButton(kModify, kSkyBlue, fcPanel1))
    , fcShapeBtn3(new ShapeButton(kDelete, kSkyBlue, fcPanel1))
    , fcShapeBtn4(new ShapeButton(kToday, kSkyBlue, fcPanel1))
    , StatusBar1(new QStatusBar(this))
    , weekdayPanel(new QLabel(StatusBar1))
    , hintPanel(new QLabel(StatusBar1))
    , Timer1(new QTimer(this))
    , Magnetic1(new TMagnetic(this))
    , m_context(context)
    , m_dm1(dm1)
    , m_mainWindow(mainWindow)
    , m_ownSound(sound ? nullptr : std::make_unique<WaveSound>())
    , m_sound(sound ? sound : m_ownSound.get())
{
    setObjectName(QStringLiteral("TixingForm"));
    setWindowTitle(kCaption);
    setFixedSize(329, 554);
    // The active caption's colour of the platform stands behind the title strip.
    setBackground(this, palette().color(QPalette::Active, QPalette::Highlight));

    fcImageBtn1->setGeometry(291, 5, 30, 25);
    fcImageBtn1->setFocusPolicy(Qt::NoFocus);
    fcImageBtn1->setStyleSheet(QStringLiteral("QPushButton { background: #e02020; color: white; font-weight: bold;"
                                              " border: 1px solid #800000; border-radius: 3px; }"
                                              " QPushButton:pressed { background: #a00000; }"));
    connect(fcImageBtn1, &QPushButton::pressed, this, &TTixingForm::FormMouseDown);
    connect(fcImageBtn1, &QPushButton::clicked, this, &TTixingForm::fcImageBtn1Click);

    buildCalendar();

    DBGrid1->setGeometry(0, 213, 329, 172);
    DBGrid1->setModel(&dm1.explorer_ds);
    setBackground(DBGrid1, kSkyBlue);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QFont gridFont = DBGrid1->font();
    gridFont.setPixelSize(12);
    DBGrid1->setFont(gridFont);
    DBGrid1->verticalHeader()->setDefaultSectionSize(20);
    DBGrid1->verticalHeader()->setFixedWidth(12);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setColumnWidth(0, 56);
    DBGrid1->setColumnWidth(1, 45);
    DBGrid1->setColumnWidth(2, 88);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
        [this](const QModelIndex& current) { m_dm1.explorer_qy.setCurrentRow(current.row()); });
    connect(&dm1.explorer_qy, &QueryResult::reset, this, &TTixingForm::followDayView);

    buildPanel();
    buildStatusBar();

    Magnetic1->setActive(true);
    Magnetic1->setCanResize(false);
    Magnetic1->setMagEffect(20);
    Magnetic1->setMagOption({ .MagTray = false, .MagExplorer = false, .MagCustom = true });

    const std::pair<QWidget*, QString> hints[] = { { MoxCalendar1, kCalendarHint }, { DBGrid1, kGridHint },
        { fcPanel1, QString() }, { Image1, QString() }, { fcShapeBtn1, kNewHint }, { fcShapeBtn2, kModifyHint },
        { fcShapeBtn3, kDeleteHint }, { fcShapeBtn4, kTodayHint } };
    for (const auto& [widget, hint] : hints) {
        m_hints.insert(widget, hint);
        widget->installEventFilter(this);
    }
    connect(fcShapeBtn1, &ShapeButton::clicked, this, &TTixingForm::fcShapeBtn1Click);
    connect(fcShapeBtn2, &ShapeButton::clicked, this, &TTixingForm::fcShapeBtn2Click);
    connect(fcShapeBtn3, &ShapeButton::clicked, this, &TTixingForm::fcShapeBtn3Click);
    connect(fcShapeBtn4, &ShapeButton::clicked, this, &TTixingForm::fcShapeBtn4Click);

    // From creation to exit, whether the window is shown or not.
    Timer1->setInterval(TimerPeriod);
    connect(Timer1, &QTimer::timeout, this, &TTixingForm::Timer1Timer);
    Timer1->start();
    MoxCalendar1Change();
}

TTixingForm::~TTixingForm() = default;

void TTixingForm::buildCalendar()
{
    MoxCalendar1->setObjectName(QStringLiteral("MoxCalendar1"));
    MoxCalendar1->setGeometry(0, 33, 331, 179);
    // The system's colours, not the title strip's that this window's palette carries.
    const QPalette system = QApplication::palette();
    MoxCalendar1->setPalette(system);
    TMoxCalColors colors = TMoxCalColors::fromPalette(system);
    colors.TitleBackColor = kSkyBlue;
    colors.TrailingTextColor = system.color(QPalette::Dark);
    MoxCalendar1->setCalColors(colors);
    MoxCalendar1->setFont(QFont(QStringLiteral("宋体")));
    // Shown small: smooth text, and no label below the size a reader can still make out.
    MoxCalendar1->setSmoothText(true);
    MoxCalendar1->setMinimumPixelSize(TMoxCalendar::LegiblePixels);
    connect(MoxCalendar1, &TMoxCalendar::OnChange, this, &TTixingForm::MoxCalendar1Change);
    connect(MoxCalendar1, &TMoxCalendar::OnDblClick, this, &TTixingForm::MoxCalendar1DblClick);

    const std::tuple<ImageButton*, QRect, CalendarStep> steps[] = {
        { PreYearBtn, { 22, 33, 43, 22 }, CalendarStep::PreYear },
        { NextYearBtn, { 70, 33, 41, 23 }, CalendarStep::NextYear },
        { PreMonBtn, { 222, 33, 46, 23 }, CalendarStep::PreMon },
        { NextMonBtn, { 275, 34, 42, 23 }, CalendarStep::NextMon },
    };
    for (const auto& [button, geometry, direction] : steps) {
        button->setGeometry(geometry);
        button->raise();
        connect(button, &ImageButton::clicked, this, [this, direction = direction] { step(direction); });
    }
}

void TTixingForm::buildPanel()
{
    fcPanel1->setGeometry(0, 386, 331, 145);
    fcPanel1->setFrameShape(QFrame::Panel);
    fcPanel1->setFrameShadow(QFrame::Sunken);
    setBackground(fcPanel1, kSkyBlue);

    BmpClock1->setGeometry(24, 12, 120, 120);
    BmpClock1->setBgPicture(ClockDial::picture(120));
    BmpClock1->setTransparent(true);
    BmpClock1->setHourHandColor(QColor(0, 0, 128));
    BmpClock1->setMinHandColor(QColor(128, 0, 0));
    BmpClock1->setSecHandColor(QColor(255, 0, 255));
    BmpClock1->setBgColor(Qt::white);
    BmpClock1->setBHourHandLength(0);
    BmpClock1->setBMinHandLength(0);
    BmpClock1->setBSecHandLength(0);

    Image1->setGeometry(77, 65, 16, 16);
    Image1->setPixmap(ClockDial::hub(16));
    Image1->setAttribute(Qt::WA_TransparentForMouseEvents, false);

    const std::pair<ShapeButton*, int> buttons[]
        = { { fcShapeBtn1, 8 }, { fcShapeBtn2, 39 }, { fcShapeBtn3, 70 }, { fcShapeBtn4, 102 } };
    for (const auto& [button, top] : buttons)
        button->setGeometry(193, top, 113, 28);
}

void TTixingForm::buildStatusBar()
{
    StatusBar1->setGeometry(0, height() - 25, width(), 25);
    StatusBar1->setSizeGripEnabled(false);
    weekdayPanel->setFixedWidth(80);
    hintPanel->setMinimumWidth(50);
    for (QLabel* panel : { weekdayPanel, hintPanel }) {
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
    }
    StatusBar1->addWidget(weekdayPanel);
    StatusBar1->addWidget(hintPanel, 1);
    setBackground(StatusBar1, palette().color(QPalette::Button));
}

void TTixingForm::setDialogs(TAddMod_tixing_form* dialog, TShowTixingInfForm* notice)
{
    AddMod_tixing_form = dialog;
    ShowTixingInfForm = notice;
}

void TTixingForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TTixingForm::FormShow()
{
    const QDate today = m_context.clock.today();
    MoxCalendar1->setDate(today);
    reportFailures(m_context.prompts, [&] { m_dm1.OpenDay(today); });
    weekdayPanel->setText(kWeekday + kWeekdayChars.at(today.dayOfWeek() % 7));
}

void TTixingForm::mousePressEvent(QMouseEvent* event)
{
    FormMouseDown();
    QWidget::mousePressEvent(event);
}

void TTixingForm::FormMouseDown()
{
    Magnetic1->setCustomHandle(m_mainWindow);
    TMagOption option = Magnetic1->MagOption();
    option.MagCustom = true;
    Magnetic1->setMagOption(option);
}

void TTixingForm::MoxCalendar1DblClick()
{
    reportFailures(m_context.prompts, [&] { m_dm1.OpenDay(MoxCalendar1->Date()); });
}

void TTixingForm::MoxCalendar1Change()
{
    m_date = MoxCalendar1->Date();
    m_year = m_date.year();
    m_month = m_date.month();
    m_day = m_date.day();
}

void TTixingForm::step(CalendarStep direction)
{
    MoxCalendar1->setDate(StepCalendar(QDate(m_year, m_month, m_day), direction));
}

void TTixingForm::fcImageBtn1Click()
{
    hide();
}

// The grid stands on the day view's current row.
void TTixingForm::followDayView()
{
    const int row = m_dm1.explorer_qy.currentRow();
    if (row >= 0)
        DBGrid1->selectionModel()->setCurrentIndex(
            m_dm1.explorer_ds.index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

template <typename Fill> void TTixingForm::scanInto(Fill fill)
{
    m_scanning = true;
    const auto done = qScopeGuard([this] { m_scanning = false; });
    fill(ListBox2);
}

void TTixingForm::Timer1Timer()
{
    // A tick inside the failure message of a scan: that message is not shown again on top.
    if (m_scanning)
        return;
    scanInto([this](QStringList& list) { m_dm1.FillDueList(list); });
    for (const QString& content : m_dueCheck.take(ListBox2, m_context.clock.now()))
        announce(content);
}

void TTixingForm::announce(const QString& content)
{
    if (ShowTixingInfForm) {
        ShowTixingInfForm->Label1->hide();
        ShowTixingInfForm->AALabel1->show();
        ShowTixingInfForm->AALabel1->setText(content);
        ShowTixingInfForm->Label2->setText(kAnnounced);
        ShowTixingInfForm->show();
    }
    const QString sound = m_context.file(kSound);
    if (QFileInfo::exists(sound))
        m_sound->play(sound);
}

bool TTixingForm::runDialog(const QString& caption)
{
    AddMod_tixing_form->setWindowTitle(caption);
    return AddMod_tixing_form->exec() == TAddMod_tixing_form::mrYes;
}

void TTixingForm::fcShapeBtn1Click()
{
    if (!AddMod_tixing_form)
        return;
    const QDateTime now = m_context.clock.now();
    AddMod_tixing_form->DateTimePicker1->setDate(now.date());
    AddMod_tixing_form->DateTimePicker2->setTime(now.time());
    AddMod_tixing_form->Memo1->clear();
    AddMod_tixing_form->setKind(AddMod_tixing_form->ComboBox1->itemText(0));
    if (!runDialog(kAddCaption))
        return;
    reportFailures(m_context.prompts, [&] {
        m_dm1.AddReminder(AddMod_tixing_form->ComboBox1->currentText(), AddMod_tixing_form->Memo1->toPlainText(),
            AddMod_tixing_form->DateTimePicker1->date(), AddMod_tixing_form->DateTimePicker2->time());
    });
}

void TTixingForm::fcShapeBtn2Click()
{
    if (!AddMod_tixing_form)
        return;
    QueryResult& row = m_dm1.explorer_qy;
    if (!row.isOpen())
        reportFailures(m_context.prompts, [&] { m_dm1.OpenDay(m_date); });
    const qint64 seq = row.field(QStringLiteral("Seq")).toLongLong();
    if (seq == 0) {
        m_context.prompts.notice(kNothingToEdit);
        return;
    }
    AddMod_tixing_form->DateTimePicker1->setDate(row.field(QStringLiteral("tixingdate")).toDate());
    AddMod_tixing_form->DateTimePicker2->setTime(row.field(QStringLiteral("tixingtime")).toTime());
    AddMod_tixing_form->Memo1->setPlainText(row.field(QStringLiteral("neirong")).toString());
    AddMod_tixing_form->setKind(row.field(QStringLiteral("jibie")).toString());
    if (!runDialog(kEditCaption))
        return;
    reportFailures(m_context.prompts, [&] {
        m_dm1.ChangeReminder(seq, AddMod_tixing_form->ComboBox1->currentText(),
            AddMod_tixing_form->Memo1->toPlainText(), AddMod_tixing_form->DateTimePicker1->date(),
            AddMod_tixing_form->DateTimePicker2->time());
    });
}

void TTixingForm::fcShapeBtn3Click()
{
    const qint64 seq = m_dm1.explorer_qy.field(QStringLiteral("Seq")).toLongLong();
    if (seq == 0) {
        m_context.prompts.notice(kNothingToDrop);
        return;
    }
    if (!m_context.prompts.confirm(kConfirmDrop, {}, Prompts::Icon::Warning))
        return;
    reportFailures(m_context.prompts, [&] { m_dm1.RemoveReminder(seq, m_date); });
}

void TTixingForm::fcShapeBtn4Click()
{
    scanInto([this](QStringList& list) { m_dm1.FillTodayList(list); });
    if (!ShowTixingInfForm)
        return;
    ShowTixingInfForm->Label2->setText(kTodayHeading);
    ShowTixingInfForm->AALabel1->hide();
    ShowTixingInfForm->Label1->show();
    QString text;
    for (const QString& entry : ListBox2)
        text += QLatin1Char('\n') + entry;
    ShowTixingInfForm->Label1->setText(text);
    ShowTixingInfForm->show();
}

bool TTixingForm::eventFilter(QObject* watched, QEvent* event)
{
    const auto hint = m_hints.constFind(watched);
    if (hint != m_hints.cend()) {
        if (event->type() == QEvent::Enter)
            setHint(*hint);
        else if (event->type() == QEvent::Leave && qobject_cast<ShapeButton*>(watched))
            setHint(QString()); // back on the panel around the buttons
    }
    return QWidget::eventFilter(watched, event);
}

void TTixingForm::setHint(const QString& hint)
{
    hintPanel->setText(hint);
}
