#pragma once

#include <QAbstractButton>

// A command button with curved corners and raised text on a face of one colour.
class ShapeButton final : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShapeButton)

public:
    ShapeButton(const QString& caption, const QColor& face, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QColor m_face;
    bool m_hovered = false;
};
