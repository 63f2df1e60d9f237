#pragma once

#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QHBoxLayout;
class QStackedWidget;

// A bar of pages whose buttons stand side by side, each captioned one character per line; the
// chosen button's panel fills the rest of the bar.
class PageBar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageBar)

public:
    explicit PageBar(QWidget* parent = nullptr);

    QAbstractButton* addPage(const QString& name, const QString& caption, QWidget* panel);
    void setCurrent(QAbstractButton* button);
    QAbstractButton* current() const;

signals:
    void pageChanged(QAbstractButton* button);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QHBoxLayout* m_buttons = nullptr;
    QButtonGroup* m_group = nullptr;
    QStackedWidget* m_panels = nullptr;
};
