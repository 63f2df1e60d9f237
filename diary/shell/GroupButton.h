#pragma once

#include <QAbstractButton>

// A group button of the main window's bar: a glossy strip with its caption.
class GroupButton final : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GroupButton)

public:
    explicit GroupButton(const QString& caption, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_hovered = false;
};
