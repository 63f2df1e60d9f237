#include "diary/shell/SaveDialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>

namespace {

const QString kCaption = QStringLiteral("数据备份（恢复窗口）");
const QString kHome = QStringLiteral("主文件夹");
const QString kRoot = QStringLiteral("根目录");

constexpr int ClientWidth = 322;
constexpr int ClientHeight = 226;

// Volumes a user keeps data on: the root, the home folder and removable or extra mounts.
bool isUserVolume(const QStorageInfo& volume)
{
    const QString root = volume.rootPath();
    return volume.isValid() && volume.isReady()
        && (root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/run/media/"))
            || root.startsWith(QLatin1String("/mnt/")));
}

} // namespace

TSaveDialogForm::TSaveDialogForm(QWidget* parent)
    : QDialog(parent)
    , m_model(new QFileSystemModel(this))
    , m_folder(QDir::currentPath())
{
    setObjectName(QStringLiteral("SaveDialogForm"));
    setWindowTitle(kCaption);
    setModal(true);
    setFixedSize(ClientWidth, ClientHeight);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Label1 = new QLabel(this);
    QFont promptFont = font();
    promptFont.setPixelSize(19);
    promptFont.setBold(true);
    Label1->setFont(promptFont);
    Label1->setGeometry(10, 6, 302, 26);

    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setGeometry(10, 36, 302, 24);

    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_model->setReadOnly(true);
    DirectoryListBox1 = new QTreeView(this);
    DirectoryListBox1->setModel(m_model);
    DirectoryListBox1->setHeaderHidden(true);
    for (int column = 1; column < m_model->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);
    DirectoryListBox1->setGeometry(10, 64, 302, 104);

    pathLabel = new QLabel(this);
    pathLabel->setGeometry(10, 171, 302, 18);
    pathLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Button1 = new QPushButton(QStringLiteral("确定"), this);
    Button1->setGeometry(146, 194, 80, 26);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("取消"), this);
    Button2->setGeometry(232, 194, 80, 26);

    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(DriveComboBox1, &QComboBox::activated, this, &TSaveDialogForm::DriveComboBox1Change);
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
        &TSaveDialogForm::DirectoryListBox1Change);
    fillDrives();
}

void TSaveDialogForm::fillDrives()
{
    DriveComboBox1->clear();
    DriveComboBox1->addItem(kRoot + QStringLiteral(" (/)"), QStringLiteral("/"));
    DriveComboBox1->addItem(kHome + QStringLiteral(" (") + QDir::homePath() + QLatin1Char(')'), QDir::homePath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!isUserVolume(volume))
            continue;
        const QString name = volume.displayName();
        DriveComboBox1->addItem(
            name == volume.rootPath() ? name : name + QStringLiteral(" (") + volume.rootPath() + QLatin1Char(')'),
            volume.rootPath());
    }
}

QString TSaveDialogForm::choose(const QString& caption, const QString& prompt, const QString& start)
{
    setWindowTitle(caption.isEmpty() ? kCaption : caption);
    Label1->setText(prompt);
    fillDrives(); // a stick may have been plugged in since
    openAt(start.isEmpty() ? m_folder : start);
    if (exec() != QDialog::Accepted)
        return {};
    return m_folder;
}

void TSaveDialogForm::openAt(const QString& folder)
{
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    // The volume whose root is the longest start of the path holds it.
    int best = 0;
    qsizetype bestLength = -1;
    for (int i = 0; i < DriveComboBox1->count(); ++i) {
        const QString root = DriveComboBox1->itemData(i).toString();
        const bool holds = root == QLatin1String("/") || path == root || path.startsWith(root + QLatin1Char('/'));
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    DriveComboBox1->setCurrentIndex(best);
    showRoot(DriveComboBox1->itemData(best).toString());
    const QModelIndex index = m_model->index(path);
    m_folder = path;
    if (index.isValid()) {
        DirectoryListBox1->setCurrentIndex(index);
        DirectoryListBox1->expand(index);
        DirectoryListBox1->scrollTo(index);
    }
    showPath();
}

void TSaveDialogForm::showPath()
{
    pathLabel->setText(pathLabel->fontMetrics().elidedText(m_folder, Qt::ElideMiddle, pathLabel->width()));
    pathLabel->setToolTip(m_folder);
}

void TSaveDialogForm::showRoot(const QString& root)
{
    m_model->setRootPath(root);
    DirectoryListBox1->setRootIndex(m_model->index(root));
}

void TSaveDialogForm::DriveComboBox1Change(int index)
{
    openAt(DriveComboBox1->itemData(index).toString());
}

void TSaveDialogForm::DirectoryListBox1Change()
{
    const QModelIndex current = DirectoryListBox1->currentIndex();
    if (!current.isValid())
        return;
    m_folder = m_model->filePath(current);
    showPath();
}

void TSaveDialogForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(0xEA, 0xF2, 0xFC));
    gradient.setColorAt(1, QColor(0xC9, 0xDC, 0xF3));
    painter.fillRect(rect(), gradient);
}
