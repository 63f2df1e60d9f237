#include "common/PasswordDialog.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int HeaderHeight = 30;

} // namespace

PasswordDialog::PasswordDialog(const QString& caption, const QStringList& labels, const QStringList& texts,
    QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(caption);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(12);
    for (int i = 0; i < labels.size(); ++i) {
        auto* label = new QLabel(labels.at(i));
        auto* field = new QLineEdit(texts.value(i));
        field->setEchoMode(QLineEdit::Password);
        field->setMinimumWidth(220);
        label->setBuddy(field);
        grid->addWidget(label, i, 0);
        grid->addWidget(field, i, 1);
        m_fields.append(field);
    }

    auto* ok = new QPushButton(QStringLiteral("确定"));
    auto* cancel = new QPushButton(QStringLiteral("取消"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, HeaderHeight + 18, 24, 16);
    layout->setSpacing(18);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(340, 0)));
}

QStringList PasswordDialog::texts() const
{
    QStringList result;
    for (const QLineEdit* field : m_fields)
        result.append(field->text());
    return result;
}

void PasswordDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(0xEA, 0xF2, 0xFC));
    gradient.setColorAt(1, QColor(0xC9, 0xDC, 0xF3));
    painter.fillRect(rect(), gradient);

    // The caption is drawn in the dialog itself, as on the program's other windows.
    QLinearGradient header(0, 0, 0, HeaderHeight);
    header.setColorAt(0, QColor(0x3A, 0x7B, 0xD5));
    header.setColorAt(1, QColor(0x1F, 0x4F, 0xA8));
    painter.fillRect(QRect(0, 0, width(), HeaderHeight), header);
    QFont captionFont(QStringLiteral("楷体_GB2312"));
    captionFont.setPixelSize(17);
    painter.setFont(captionFont);
    painter.setPen(Qt::white);
    painter.drawText(QRect(12, 0, width() - 24, HeaderHeight), Qt::AlignVCenter | Qt::AlignLeft, windowTitle());
    painter.setPen(QColor(0x1F, 0x4F, 0xA8));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PasswordDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    if (!m_fields.isEmpty()) {
        m_fields.first()->setFocus();
        m_fields.first()->selectAll();
    }
}
