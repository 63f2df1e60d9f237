#include "diary/workbench/WriteDaily_unit.h"

#include "common/Application.h"
#include "common/Clock.h"
#include "common/Prompts.h"
#include "diary/store/dbm.h"
#include "diary/trees/NodeTreeView.h"
#include "diary/widgets/MoxCalendar.h"
#include "diary/workbench/CalculatorPanel.h"
#include "diary/workbench/ContentMemo.h"
#include "diary/workbench/DateBox.h"
#include "diary/workbench/DeskCalendar.h"
#include "diary/workbench/DropDownComboBox.h"
#include "diary/workbench/GridEditors.h"
#include "diary/workbench/HoverHints.h"
#include "diary/toolkit/ImageButton.h"
#include "diary/workbench/PageBar.h"
#include "diary/workbench/PrintGrid.h"
#include "diary/workbench/SearchCriteria.h"
#include "diary/workbench/SearchPanel.h"
#include "diary/workbench/TCalcEdit.h"
#include "diary/workbench/TreeComboBox.h"
#include "diary/workbench/TypeTree.h"
#include "diary/workbench/WritePanel.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTableView>

namespace {

const QString Title = QStringLiteral("我的Dailora");
const QString NothingWritten = QStringLiteral("你还没有输入日记");
const QString NothingToDelete = QStringLiteral("没有记录可以删除");
const QString DeleteQuestion = QStringLiteral("确实要删除这条记录吗？");
const QString NothingToPrint = QStringLiteral("没有日记可以打印");
const QString TodayIs = QStringLiteral("今天星期");
constexpr int ContentBytes = 200;

// Where the parts of the 957 x 686 window stand.
const QRect TitleBar(0, 0, 957, 32);
const QRect LeftColumn(8, 40, 232, 614);
const QRect Pages(248, 40, 701, 176);
const QRect Lists(248, 222, 701, 432);
const QRect StatusBar(248, 658, 701, 24);

QString gridStyle()
{
    return QStringLiteral("QTableView { background: white; alternate-background-color: #EEF4FC;"
                          " selection-background-color: #3A7BD5; gridline-color: #C8D6EA; }"
                          "QHeaderView::section { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                          " stop:0 #F4F8FE, stop:1 #C9DCF3); border: 1px solid #9DB6DA; padding: 3px;"
                          " color: #173E86; font-weight: bold; }");
}

} // namespace

TWriteDaily_fm::TWriteDaily_fm(const AppContext& context, TDM& dm, SourceLists sources, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , m_context(context)
    , m_dm(dm)
    , m_sources(std::move(sources))
{
    setObjectName(QStringLiteral("WriteDaily_fm"));
    setWindowTitle(Title);
    setFixedSize(957, 686);
    setMouseTracking(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    buildFrame();
    buildLists();
    buildMenus();
    buildEditors();
    connectCommands();
    connectSourceBoxes();
    installHints();
    applyMode(Mode::Write);
    FormCreate();
}

TWriteDaily_fm::~TWriteDaily_fm() = default;

void TWriteDaily_fm::buildFrame()
{
    Shape1 = new QLabel(Title, this);
    Shape1->setGeometry(TitleBar);
    Shape1->setIndent(12);
    QFont titleFont(QStringLiteral("楷体_GB2312"));
    titleFont.setPixelSize(20);
    Shape1->setFont(titleFont);
    Shape1->setStyleSheet(QStringLiteral("color: white; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                                         " stop:0 #3A7BD5, stop:1 #1F4FA8);"));
    close_img_btn = new ImageButton(ImageButton::Symbol::Close, QStringLiteral("退出本窗口"), this);
    close_img_btn->setGeometry(TitleBar.right() - 30, 4, 26, 24);

    writePanel = new WritePanel(m_context.clock);
    searchPanel = new SearchPanel(m_context.clock);
    fcOutlookBar1 = new PageBar(this);
    fcOutlookBar1->setGeometry(Pages);
    WriteDaily_btn = fcOutlookBar1->addPage(QStringLiteral("WriteDaily_btn"),
        QStringLiteral("写\nD\na\ni\nl\no\nr\na"), writePanel);
    SearchDaily_btn = fcOutlookBar1->addPage(QStringLiteral("SearchDaily_btn"), QStringLiteral("查\n询\n日\n记"),
        searchPanel);

    typeTree = new TypeTree(m_context, this);
    typeTree->setGeometry(LeftColumn);
    typePanel = typeTree->typePanel;
    itemPanel = typeTree->itemPanel;

    deskCalendar = new DeskCalendar(m_context.clock, this);
    deskCalendar->setGeometry(LeftColumn.x(), LeftColumn.y(), LeftColumn.width(), 226);
    calculatorPanel = new CalculatorPanel(this);
    calculatorPanel->setGeometry(LeftColumn.x(), LeftColumn.y() + 234, LeftColumn.width(), LeftColumn.height() - 234);

    m_statusDate = new QLabel(this);
    // Wide enough for the longest weekday line with the panel's frame and indent.
    const int dateWidth = qMax(70, m_statusDate->fontMetrics().horizontalAdvance(TodayIs + WeekdayName(3)) + 16);
    m_statusDate->setGeometry(StatusBar.x(), StatusBar.y(), dateWidth, StatusBar.height());
    m_statusHint = new QLabel(this);
    m_statusHint->setGeometry(
        StatusBar.x() + dateWidth + 2, StatusBar.y(), StatusBar.width() - dateWidth - 2, StatusBar.height());
    for (QLabel* panel : { m_statusDate, m_statusHint }) {
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setIndent(4);
        panel->setStyleSheet(QStringLiteral("color: #173E86;"));
    }

    Memo1 = new ContentMemo(ContentBytes, this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->resize(124, 241);
    QFont memoFont = font();
    memoFont.setPixelSize(21);
    Memo1->setFont(memoFont);
    Memo1->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #FFFBE6; border: 1px solid #C9A227; }"));
    Memo1->hide();
}

QTableView* TWriteDaily_fm::makeGrid(QAbstractItemModel* model)
{
    auto* grid = new QTableView(this);
    grid->setGeometry(Lists);
    grid->setAlternatingRowColors(true);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->verticalHeader()->setDefaultSectionSize(24);
    grid->verticalHeader()->setFixedWidth(18);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setStyleSheet(QStringLiteral("color: transparent;"));
    // Only now: sizing the rows of a model already set would touch every row of the diary.
    grid->setModel(model);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setStyleSheet(gridStyle());
    const int widths[] = { 96, 96, 110, 96, 80 };
    for (int column = 0; column < 5; ++column)
        grid->setColumnWidth(column, widths[column]);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    // Cells are edited through the list's GridEditors, which follow the cursor's rules.
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return grid;
}

void TWriteDaily_fm::buildLists()
{
    DBGrid1 = makeGrid(&m_dm.daily__tb_ds);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_dm.daily__tb_ds.bindSelection(DBGrid1->selectionModel());
    DBGrid2 = makeGrid(&m_dm.FoundDaily_ds);
    DBGrid2->setObjectName(QStringLiteral("DBGrid2"));
    m_dm.FoundDaily_ds.bindSelection(DBGrid2->selectionModel());
    Memo1->raise();
}

void TWriteDaily_fm::buildMenus()
{
    PopupMenu1 = new QMenu(this);
    N2 = PopupMenu1->addAction(QStringLiteral("删除"));
    N10 = PopupMenu1->addAction(QStringLiteral("完成修改"));
    PopupMenu1->addSeparator();
    N8 = PopupMenu1->addAction(QStringLiteral("打印"));
    PopupMenu2 = new QMenu(this);
    N1 = PopupMenu2->addAction(QStringLiteral("删除"));
    N13 = PopupMenu2->addAction(QStringLiteral("完成修改"));
    PopupMenu2->addSeparator();
    N9 = PopupMenu2->addAction(QStringLiteral("打印"));
    connect(DBGrid1, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& pos) { PopupMenu1->popup(DBGrid1->viewport()->mapToGlobal(pos)); });
    connect(DBGrid2, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& pos) { PopupMenu2->popup(DBGrid2->viewport()->mapToGlobal(pos)); });
}

void TWriteDaily_fm::buildEditors()
{
    const EditorLists lists { [this] { return typeTree->TypeList(); },
        [this](const QString& type) { return typeTree->ItemList(type); }, m_sources.SourceList,
        m_sources.PersonList };
    g_editors = new GridEditors(DBGrid1, m_dm.daily__tb_ds, PopupMenu1, lists, m_context.prompts, m_context.clock, this,
        { QStringLiteral("g_datetimepicker1"), QStringLiteral("g_TypCombox"), QStringLiteral("g_itmCombox"),
            QStringLiteral("g_BumenCombox"), QStringLiteral("g_RenyuanCombox") });
    s_editors
        = new GridEditors(DBGrid2, m_dm.FoundDaily_ds, PopupMenu2, lists, m_context.prompts, m_context.clock, this,
        { QStringLiteral("s_DateTimePicker1"), QStringLiteral("s_typCombox"), QStringLiteral("s_itmCombox"),
            QStringLiteral("s_BumenCombox"), QStringLiteral("s_RenyuanCombox") });
    m_printGrid = std::make_unique<PrintGrid>(m_context.prompts, m_context.clock);
    Memo1->raise();
}

std::function<void()> TWriteDaily_fm::guarded(void (TWriteDaily_fm::*handler)())
{
    // A failing statement goes to the error display here, before it could unwind the widgets.
    return [this, handler] { reportFailures(m_context.prompts, [&] { (this->*handler)(); }); };
}

void TWriteDaily_fm::connectCommands()
{
    connect(close_img_btn, &ImageButton::clicked, this, &QWidget::close);
    connect(fcOutlookBar1, &PageBar::pageChanged, this, &TWriteDaily_fm::fcOutlookBar1Change);
    connect(writePanel->Sure_img_btn, &ImageButton::clicked, this, guarded(&TWriteDaily_fm::Sure_img_btnClick));
    connect(writePanel->fcImageBtn2, &ImageButton::clicked, this, guarded(&TWriteDaily_fm::N2Click));
    connect(N2, &QAction::triggered, this, guarded(&TWriteDaily_fm::N2Click));
    connect(searchPanel->fcImageBtn1, &ImageButton::clicked, this, guarded(&TWriteDaily_fm::fcImageBtn1Click));
    connect(searchPanel->fcImageBtn5, &ImageButton::clicked, this, guarded(&TWriteDaily_fm::N1Click));
    connect(N1, &QAction::triggered, this, guarded(&TWriteDaily_fm::N1Click));
    connect(writePanel->fcImageBtn4, &ImageButton::clicked, this, guarded(&TWriteDaily_fm::N10Click));
    connect(N10, &QAction::triggered, this, guarded(&TWriteDaily_fm::N10Click));
    connect(searchPanel->fcImageBtn7, &ImageButton::clicked, this, guarded(&TWriteDaily_fm::N13Click));
    connect(N13, &QAction::triggered, this, guarded(&TWriteDaily_fm::N13Click));
    connect(writePanel->fcImageBtn3, &ImageButton::clicked, this, guarded(&TWriteDaily_fm::N8Click));
    connect(N8, &QAction::triggered, this, guarded(&TWriteDaily_fm::N8Click));
    connect(searchPanel->fcImageBtn6, &ImageButton::clicked, this, guarded(&TWriteDaily_fm::N9Click));
    connect(N9, &QAction::triggered, this, guarded(&TWriteDaily_fm::N9Click));
    connect(searchPanel->f_TreeCombox, &TreeComboBox::aboutToDropDown, this, &TWriteDaily_fm::f_TreeComboxDropDown);
    connect(&typeTree->tree(), &NodeTree::checkToggled, this, &TWriteDaily_fm::fcTreeView1ToggleCheckbox);
    connect(typeTree->fcTreeView1, &NodeTreeView::doubleClickedAt, this, &TWriteDaily_fm::fcTreeView1DblClick);
    connect(deskCalendar->MoxCalendar1, &TMoxCalendar::OnChange, this, &TWriteDaily_fm::takeCalendarDate);
}

void TWriteDaily_fm::connectSourceBoxes()
{
    const std::pair<DropDownComboBox*, DropDownComboBox*> pairs[] = {
        { writePanel->Bumen_comx, writePanel->Renyuan_comx },
        { searchPanel->f_bumenCombox, searchPanel->f_RenyuanCombox },
    };
    for (const auto& [source, person] : pairs) {
        connect(source, &DropDownComboBox::aboutToDropDown, this,
            [this, source = source] { source->replaceItems(m_sources.SourceList()); });
        connect(source, &QComboBox::currentTextChanged, this,
            [this, person = person](const QString& text) { person->replaceItems(m_sources.PersonList(text)); });
    }
}

void TWriteDaily_fm::installHints()
{
    m_hints = new HoverHints(this);
    const std::pair<QWidget*, const char*> hints[] = {
        { deskCalendar->MoxCalendar1, "浏览台历" },
        { deskCalendar->PreYearBtn, "前一年" },
        { deskCalendar->NextYearBtn, "下一年" },
        { deskCalendar->PreMonBtn, "上一月" },
        { deskCalendar->NextMonBtn, "下一月" },
        { close_img_btn, "关闭窗口" },
        { calculatorPanel->fcCalcEdit1, "选择下拉箭头打开计算器" },
        { writePanel->dateLabel, "输入日记的日期" },
        { writePanel->bumenLabel, "事务来源(可以为空(不推荐))，改变其内容后，人员栏内容自动更新" },
        { writePanel->renyuanLabel, "人员，可以为空(不推荐)" },
        { DBGrid1, "显示所有日记，可以直接修改。右键选择删除记录、完成修改或打印。" },
        { typeTree->fcTreeView1, "类型树，在节点上右键鼠标，根据个人要求选择添加删除，双击结点写内容" },
        { typeTree->fcShapeBtn1, "单击，展开或合并类型树结点" },
        { Shape1, "窗体栏，可以拖动" },
        { DBGrid2, "显示查询日记结果，可以直接修改。右键选择删除记录、完成修改或打印。" },
        { searchPanel->foundLabel, "显示查询（统计）数量" },
        { searchPanel->fcLabel14, "显示查询（统计）数量" },
        { searchPanel->unitLabel, "显示查询（统计）数量" },
        { searchPanel->fcImageBtn1, "开始查询" },
        { writePanel->Sure_img_btn, "输入日记" },
        { searchPanel->bumenLabel, "查询条件:涉及的来源" },
        { searchPanel->startLabel, "查询条件:起始日期" },
        { searchPanel->endLabel, "查询条件:结束日期" },
        { searchPanel->renyuanLabel, "查询条件:涉及的人员" },
        { searchPanel->neirongLabel, "查询条件:涉及的内容" },
        { searchPanel->itemLabel, "查询条件:涉及的类型/项目" },
    };
    for (const auto& [widget, hint] : hints)
        m_hints->add(widget, QString::fromUtf8(hint));
    m_hints->clearOnLeave(writePanel->Sure_img_btn);
    connect(m_hints, &HoverHints::hintChanged, m_statusHint, &QLabel::setText);
}

void TWriteDaily_fm::FormCreate()
{
    m_programDir = m_context.programDir;
    typeTree->LoadTypeTree();
    writePanel->DateTimePicker1->setDate(m_context.clock.today());
}

void TWriteDaily_fm::FormShow()
{
    const QDate today = m_context.clock.today();
    deskCalendar->MoxCalendar1->setDate(today);
    writePanel->DateTimePicker1->setDate(today);
    searchPanel->start_datetimepicker->setDate(today);
    searchPanel->end_DateTimePicker->setDate(today);
    takeCalendarDate();
    m_statusDate->setText(TodayIs + WeekdayName(today.dayOfWeek()));
}

void TWriteDaily_fm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TWriteDaily_fm::showMode(Mode mode)
{
    fcOutlookBar1->setCurrent(mode == Mode::Write ? WriteDaily_btn : SearchDaily_btn);
    show();
    raise();
    activateWindow();
}

void TWriteDaily_fm::fcOutlookBar1Change(QAbstractButton* button)
{
    if (button->objectName() == QLatin1String("WriteDaily_btn"))
        applyMode(Mode::Write);
    else if (button->objectName() == QLatin1String("SearchDaily_btn"))
        applyMode(Mode::Search);
}

void TWriteDaily_fm::applyMode(Mode mode)
{
    m_mode = mode;
    const bool write = mode == Mode::Write;
    Memo1->hide();
    m_statusHint->clear(); // its control may be on the page just left
    typeTree->setVisible(write);
    calculatorPanel->setVisible(!write);
    DBGrid1->setVisible(write);
    DBGrid2->setVisible(!write);
    deskCalendar->setVisible(!write);
}

void TWriteDaily_fm::takeCalendarDate()
{
    const QDate date = deskCalendar->MoxCalendar1->Date();
    m_year = date.year();
    m_month = date.month();
    m_day = date.day();
}

QDate TWriteDaily_fm::calendarDate() const
{
    return QDate(m_year, m_month, m_day);
}

QString TWriteDaily_fm::statusText(int panel) const
{
    return panel == 0 ? m_statusDate->text() : m_statusHint->text();
}

void TWriteDaily_fm::fcTreeView1ToggleCheckbox(TreeNode* node)
{
    if (!node->checked())
        return;
    NodeTree& tree = typeTree->tree();
    for (TreeNode* other : tree.nodes())
        if (other != node && other->checked())
            tree.setChecked(other, false);
}

void TWriteDaily_fm::fcTreeView1DblClick(const QPoint& viewportPos)
{
    TreeNode* node = typeTree->fcTreeView1->nodeAt(viewportPos);
    if (!node)
        return;
    NodeTree& tree = typeTree->tree();
    for (TreeNode* marked : tree.nodes())
        if (marked->checked())
            tree.setChecked(marked, false);
    tree.setChecked(node, true);
    if (node->level() != 1)
        return;
    const QPoint pointer = typeTree->fcTreeView1->viewport()->mapToGlobal(viewportPos);
    Memo1->move(pointer.x() - x() + 16, pointer.y() - y());
    Memo1->show();
    Memo1->raise();
    Memo1->setFocus();
}

void TWriteDaily_fm::Sure_img_btnClick()
{
    const TreeNode* item = nullptr;
    for (const TreeNode* node : typeTree->tree().nodes()) {
        if (node->checked() && node->level() == 1) {
            item = node;
            break;
        }
    }
    if (!item) {
        m_context.prompts.notice(NothingWritten);
        return;
    }
    if (m_dm.AddDiary(item->parent()->text(), item->text(), writePanel->Bumen_comx->currentText(),
            writePanel->Renyuan_comx->currentText(), Memo1->toPlainText(), writePanel->DateTimePicker1->date())) {
        Memo1->clear();
        Memo1->hide();
    }
}

bool TWriteDaily_fm::confirmDelete(const TableCursor& list)
{
    if (list.rowCount() == 0) {
        m_context.prompts.notice(NothingToDelete);
        return false;
    }
    return m_context.prompts.confirm(DeleteQuestion, {}, Prompts::Icon::Warning);
}

void TWriteDaily_fm::N2Click()
{
    g_editors->commitCell();
    if (!confirmDelete(m_dm.daily_tb))
        return;
    m_dm.daily_tb.deleteCurrent();
    g_editors->hideAll();
    Memo1->clear();
}

void TWriteDaily_fm::fcImageBtn1Click()
{
    g_editors->commitCell();
    s_editors->commitCell();
    SearchPanel& s = *searchPanel;
    const SearchCriteria criteria = SearchCriteria::build(s.f_TreeCombox->tree(), s.f_TreeCombox->text(),
        s.f_bumenCombox->currentText(), s.f_RenyuanCombox->currentText(), s.f_neirongEdt->text());
    m_dm.SearchDiary(criteria.type, criteria.item, s.f_bumenCombox->currentText(), s.f_RenyuanCombox->currentText(),
        s.f_neirongEdt->text(), s.start_datetimepicker->date(), s.end_DateTimePicker->date(), criteria.code);
    if (!m_dm.FillFound())
        return; // a refused save ends the command; the count stays with the rows shown
    s.fcLabel14->setText(QString::number(m_dm.FoundDaily_tb.rowCount()));
}

void TWriteDaily_fm::N1Click()
{
    s_editors->commitCell();
    if (!confirmDelete(m_dm.FoundDaily_tb))
        return;
    m_dm.deleteFoundDiary();
    s_editors->hideAll();
}

void TWriteDaily_fm::N10Click()
{
    g_editors->finishEdit();
}

void TWriteDaily_fm::N13Click()
{
    s_editors->finishEdit();
}

void TWriteDaily_fm::printList(QTableView* grid, const TableCursor& list, const QString& title)
{
    if (list.rowCount() == 0) {
        m_context.prompts.notice(NothingToPrint);
        return;
    }
    m_printGrid->print(grid, title);
}

void TWriteDaily_fm::N8Click()
{
    g_editors->commitCell();
    printList(DBGrid1, m_dm.daily_tb, QStringLiteral("所有日记"));
}

void TWriteDaily_fm::N9Click()
{
    s_editors->commitCell();
    printList(DBGrid2, m_dm.FoundDaily_tb, QStringLiteral("查询日记"));
}

void TWriteDaily_fm::f_TreeComboxDropDown()
{
    NodeTree& box = searchPanel->f_TreeCombox->tree();
    box.clear();
    for (int r = 0; r < typeTree->tree().rootCount(); ++r) {
        const TreeNode* type = typeTree->tree().root(r);
        TreeNode* copy = box.addRoot(type->text());
        for (int c = 0; c < type->childCount(); ++c)
            box.addChild(copy, type->child(c)->text());
    }
    // New nodes carry no mark; the box shows the last node's text, or nothing in an empty tree.
    const QList<TreeNode*> nodes = box.nodes();
    searchPanel->f_TreeCombox->setText(nodes.isEmpty() ? QString() : nodes.constLast()->text());
}

void TWriteDaily_fm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(0, 0, width(), height());
    body.setColorAt(0, QColor(0xE6, 0xEF, 0xFB));
    body.setColorAt(1, QColor(0xC4, 0xD8, 0xF2));
    p.fillRect(rect(), body);
    p.setPen(QPen(QColor(0x1F, 0x4F, 0xA8), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

void TWriteDaily_fm::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragFrom = event->globalPosition().toPoint() - pos();
    m_statusHint->clear();
}

void TWriteDaily_fm::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - m_dragFrom);
    else
        m_statusHint->clear(); // the pointer is over the background
}
