#include "lanmate/ui/IPList.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString Caption = QStringLiteral("联系人");
const QString NameColumn = QStringLiteral("    计算机名");
const QString AddressColumn = QStringLiteral("地址");
const QString Hint = QStringLiteral("双击完成选择");
constexpr int ClientWidth = 115;
constexpr int ClientHeight = 473;
constexpr int StatusHeight = 19;

} // namespace

TfrmIPList::TfrmIPList(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , List(new QTreeWidget(this))
    , StatusBar1(new QStatusBar(this))
{
    setObjectName(QStringLiteral("frmIPList"));
    setWindowTitle(Caption);
    setFixedSize(ClientWidth, ClientHeight);

    List->setObjectName(QStringLiteral("List"));
    List->setColumnCount(2);
    List->setHeaderLabels({ NameColumn, AddressColumn });
    List->headerItem()->setTextAlignment(1, Qt::AlignCenter);
    List->header()->setStretchLastSection(false);
    List->header()->setSectionResizeMode(QHeaderView::Fixed);
    List->header()->setMinimumSectionSize(1);
    List->setColumnWidth(0, ClientWidth);
    List->setColumnWidth(1, 1);
    List->setRootIsDecorated(false);
    List->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List->setItemsExpandable(false);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    List->setSelectionBehavior(QAbstractItemView::SelectRows);
    List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List->setCursor(Qt::PointingHandCursor);
    List->viewport()->setCursor(Qt::PointingHandCursor);
    QPalette blue = List->palette();
    blue.setColor(QPalette::Text, Qt::blue);
    List->setPalette(blue);
    List->viewport()->installEventFilter(this);

    auto* hint = new QLabel(Hint, StatusBar1);
    hint->setAlignment(Qt::AlignCenter);
    StatusBar1->addWidget(hint, 1);
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(StatusHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(List);
    layout->addWidget(StatusBar1);
}

void TfrmIPList::FormShow()
{
    emit probeRequested();
}

void TfrmIPList::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfrmIPList::clearContacts()
{
    List->clear();
}

void TfrmIPList::addContact(const QString& name, const QString& address)
{
    auto* row = new QTreeWidgetItem(List, { name, address });
    row->setTextAlignment(1, Qt::AlignCenter);
}

void TfrmIPList::ListDblClick()
{
    const QList<QTreeWidgetItem*> selected = List->selectedItems();
    if (selected.isEmpty())
        return;
    emit contactChosen(selected.constFirst()->text(0), selected.constFirst()->text(1));
    accept();
}

bool TfrmIPList::eventFilter(QObject* watched, QEvent* event)
{
    // Any double-click in the list counts, on a row or beside the rows, as long as a row is
    // selected (the first click of it selects the row under the pointer).
    if (watched == List->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        ListDblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
