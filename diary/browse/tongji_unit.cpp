#include "diary/browse/tongji_unit.h"

#include "common/AppError.h"
#include "common/Clock.h"
#include "common/Prompts.h"
#include "diary/browse/CalendarExport.h"
#include "diary/browse/DayTexts.h"
#include "diary/browse/DocxWriter.h"
#include "diary/browse/ExportFile.h"
#include "diary/store/dbm.h"
#include "diary/toolkit/ArrowButton.h"
#include "diary/toolkit/CloseButton.h"
#include "diary/toolkit/OutlineMover.h"
#include "diary/toolkit/OutlinedLabel.h"
#include "diary/toolkit/WindowSkin.h"
#include "diary/widgets/CalendarStep.h"
#include "diary/widgets/MoxCalendar.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>

using namespace Qt::StringLiterals;
using namespace CalendarExport;

namespace {

// clang-format off
const QString Caption         = u"双击日期打开日记"_s;
const QString CloseHint       = u"关闭此窗口"_s;
const QString CalendarHint    = u"双击显示本日日记，右键可以选择打印"_s;
const QString PreYearHint     = u"上一年"_s;
const QString NextYearHint    = u"下一年"_s;
const QString PreMonHint      = u"上一月"_s;
const QString NextMonHint     = u"下一月"_s;
const QString MemoHint        = u"日记内容在此显示"_s;
const QString MonthItem       = u"导入到Word中（本月）"_s;
const QString WeekItem        = u"导入到Word中（本星期）"_s;
const QString NotInstalled    = u"Word程序可能没有安装，或安装存在错误，请检查并安装"_s;
const QString Aborted         = u"Operation aborted"_s;
const QString Reinstall       = u"需要重新安装WORD程序"_s;
const QString SavedAt         = u"\n文档已保存在：%1"_s;
const QString CaptionFont     = u"新宋体"_s;
const QString CalendarFont    = u"宋体"_s;
// clang-format on

constexpr QSize WindowSize(435, 681);
constexpr QRect CaptionPlace(15, 61, 163, 21);
constexpr QRect ClosePlace(369, 54, 30, 29);
constexpr QRect CalendarPlace(29, 105, 370, 221);
constexpr QRect PreYearPlace(64, 104, 43, 28);
constexpr QRect NextYearPlace(110, 105, 41, 28);
constexpr QRect PreMonPlace(277, 106, 46, 27);
constexpr QRect NextMonPlace(328, 106, 42, 27);
constexpr QRect MemoPlace(32, 400, 367, 220);
constexpr int DragTolerance = 5;
const QColor Sea(0, 128, 192);

const WindowSkin Skin {
    { { 0, QColor(28, 92, 150) }, { 0.45, QColor(10, 58, 108) }, { 1, QColor(4, 30, 62) } },
    QColor(150, 205, 240),
    18,
};

} // namespace

TTongjiForm::TTongjiForm(const AppContext& context, TDM& dm, DocumentOpener& opener, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_context(context)
    , m_dm(dm)
    , m_opener(opener)
{
    setObjectName(u"TongjiForm"_s);
    setFixedSize(WindowSize);
    new OutlineMover(this, DragTolerance);
    Skin.shape(*this);
    buildCaption();
    buildCalendar();
    buildMemo();
    buildMenu();
    SelectedDay = MoxCalendar1->Date();
    splitShownDate();
}

TTongjiForm::~TTongjiForm() = default;

void TTongjiForm::buildCaption()
{
    fcLabel1 = new OutlinedLabel(Caption, QColor(Qt::cyan), this);
    QFont font(CaptionFont);
    font.setPixelSize(19);
    font.setBold(true); // thin strokes would leave only the outline showing
    fcLabel1->setFont(font);
    fcLabel1->setGeometry(CaptionPlace);

    fcImageBtn1 = new CloseButton(CloseHint, this);
    fcImageBtn1->setGeometry(ClosePlace);
    connect(fcImageBtn1, &QPushButton::clicked, this, &TTongjiForm::fcImageBtn1Click);
}

void TTongjiForm::buildCalendar()
{
    MoxCalendar1 = new TMoxCalendar(m_context.clock, this);
    MoxCalendar1->setObjectName(u"MoxCalendar1"_s);
    MoxCalendar1->setGeometry(CalendarPlace);
    MoxCalendar1->setToolTip(CalendarHint);
    QFont font(CalendarFont);
    font.setPixelSize(11);
    MoxCalendar1->setFont(font);
    TMoxCalColors colors = MoxCalendar1->CalColors();
    colors.BackColor = Sea;
    colors.TextColor = Qt::white;
    colors.TitleBackColor = QColor(128, 0, 0);
    colors.TrailingTextColor = palette().color(QPalette::ButtonText);
    colors.SundayColor = palette().color(QPalette::Dark);
    colors.SaturdayColor = palette().color(QPalette::Dark);
    MoxCalendar1->setCalColors(colors);
    connect(MoxCalendar1, &TMoxCalendar::OnChange, this, &TTongjiForm::MoxCalendar1Change);
    connect(MoxCalendar1, &TMoxCalendar::OnDblClick, this, &TTongjiForm::MoxCalendar1DblClick);

    // Over the calendar's title, so created after it.
    const struct
    {
        ArrowButton** button;
        ArrowButton::Direction direction;
        QString hint;
        QRect place;
        void (TTongjiForm::*click)();
    } arrows[] = {
        { &PreYearBtn, ArrowButton::Direction::Left, PreYearHint, PreYearPlace, &TTongjiForm::PreYearBtnClick },
        { &NextYearBtn, ArrowButton::Direction::Right, NextYearHint, NextYearPlace, &TTongjiForm::NextYearBtnClick },
        { &PreMonBtn, ArrowButton::Direction::Left, PreMonHint, PreMonPlace, &TTongjiForm::PreMonBtnClick },
        { &NextMonBtn, ArrowButton::Direction::Right, NextMonHint, NextMonPlace, &TTongjiForm::NextMonBtnClick },
    };
    for (const auto& arrow : arrows) {
        *arrow.button = new ArrowButton(arrow.direction, arrow.hint, this);
        (*arrow.button)->setGeometry(arrow.place);
        connect(*arrow.button, &ArrowButton::clicked, this, arrow.click);
    }
}

void TTongjiForm::buildMemo()
{
    Memo2 = new QPlainTextEdit(this);
    Memo2->setObjectName(u"Memo2"_s);
    Memo2->setGeometry(MemoPlace);
    Memo2->setReadOnly(true);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo2->setToolTip(MemoHint);
    QPalette colors = Memo2->palette();
    colors.setColor(QPalette::Base, Sea);
    colors.setColor(QPalette::Text, Qt::white);
    Memo2->setPalette(colors);
}

void TTongjiForm::buildMenu()
{
    PopupMenu1 = new QMenu(this);
    N1 = PopupMenu1->addAction(MonthItem);
    Word1 = PopupMenu1->addAction(WeekItem);
    connect(N1, &QAction::triggered, this, &TTongjiForm::N1Click);
    connect(Word1, &QAction::triggered, this, &TTongjiForm::Word1Click);
    MoxCalendar1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(MoxCalendar1, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& at) { PopupMenu1->popup(MoxCalendar1->mapToGlobal(at)); });
}

void TTongjiForm::FormShow()
{
    MoxCalendar1->setDate(m_context.clock.today());
    // The calendar raises no change when it already shows today, so the day is taken here.
    SelectedDay = MoxCalendar1->Date();
    splitShownDate();
}

void TTongjiForm::MoxCalendar1Change()
{
    SelectedDay = MoxCalendar1->Date();
    splitShownDate();
}

void TTongjiForm::MoxCalendar1DblClick()
{
    const QStringList lines = DayTexts::dayView(m_dm.DayDiary(SelectedDay));
    Memo2->setPlainText(lines.join(u'\n'));
    Memo2->setFocus();
}

void TTongjiForm::fcImageBtn1Click()
{
    close();
}

void TTongjiForm::PreYearBtnClick()
{
    MoxCalendar1->setDate(StepCalendar(MoxCalendar1->Date(), CalendarStep::PreYear));
}

void TTongjiForm::NextYearBtnClick()
{
    MoxCalendar1->setDate(StepCalendar(MoxCalendar1->Date(), CalendarStep::NextYear));
}

void TTongjiForm::PreMonBtnClick()
{
    MoxCalendar1->setDate(StepCalendar(MoxCalendar1->Date(), CalendarStep::PreMon));
}

void TTongjiForm::NextMonBtnClick()
{
    MoxCalendar1->setDate(StepCalendar(MoxCalendar1->Date(), CalendarStep::NextMon));
}

void TTongjiForm::N1Click()
{
    const QDate date = MoxCalendar1->Date();
    DocDocument document = PrepareMonthDocument(date);
    DocTable& table = document.table(1);
    for (int d = 1; d <= date.daysInMonth(); ++d) {
        const QDate day(ShownYear, ShownMonth, d);
        const auto [row, column] = MonthCellOf(day);
        FillDay(table, row, column, DayTexts::monthDay(day, m_dm.DayDiary(day)));
    }
    publish(document, monthName(date));
}

void TTongjiForm::Word1Click()
{
    const QDate date = MoxCalendar1->Date();
    DocDocument document = PrepareWeekDocument(date);
    DocTable& table = document.table(1);
    QDate day = WeekStart(date);
    const QString name = weekName(day);
    for (int row = 2; row <= 8; ++row) {
        FillDay(table, row, 2, DayTexts::weekDay(day, m_dm.DayDiary(day)));
        day = NextDay(day);
    }
    publish(document, name);
}

void TTongjiForm::publish(const DocDocument& document, const QString& baseName)
{
    QString path;
    try {
        path = ExportFile::save(DocxWriter::pack(document), baseName, m_context.programDir);
    } catch (const AppError& failure) {
        m_context.prompts.notice(failure.message() + Reinstall);
        return;
    }
    QPointer<TTongjiForm> self(this);
    m_opener.open(path, [self, path](const DocumentOpener::Result& result) {
        if (self)
            self->reportOpening(result, path);
    });
}

void TTongjiForm::reportOpening(const DocumentOpener::Result& result, const QString& path)
{
    switch (result.outcome) {
    case DocumentOpener::Outcome::Opened:
        return;
    case DocumentOpener::Outcome::NoApplication:
        m_context.prompts.notice(NotInstalled, {}, Prompts::Icon::Critical);
        m_context.prompts.notice(Aborted + Reinstall + SavedAt.arg(path));
        return;
    case DocumentOpener::Outcome::Failed:
        m_context.prompts.notice(result.message + Reinstall + SavedAt.arg(path));
        return;
    }
}

void TTongjiForm::splitShownDate()
{
    const QDate date = MoxCalendar1->Date();
    ShownYear = date.year();
    ShownMonth = date.month();
    ShownDay = date.day();
}

void TTongjiForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TTongjiForm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    Skin.paint(p, *this);
    p.setRenderHint(QPainter::Antialiasing);

    // A band behind the caption and sunken frames around the calendar and the text box.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 28));
    p.drawRoundedRect(QRectF(10, 46, width() - 20, 46), 10, 10);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 180, 225), 1.5));
    p.drawRoundedRect(QRectF(CalendarPlace).adjusted(-4.5, -4.5, 4.5, 4.5), 6, 6);
    p.drawRoundedRect(QRectF(MemoPlace).adjusted(-4.5, -4.5, 4.5, 4.5), 6, 6);
    p.setPen(QPen(QColor(150, 205, 240, 120), 1));
    p.drawLine(QPointF(30, 362.5), QPointF(width() - 30, 362.5));
}
