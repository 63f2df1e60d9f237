#pragma once

#include <QWidget>

// A caption drawn as filled letters with a dark outline, on a transparent background.
class OutlinedLabel final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OutlinedLabel)

public:
    OutlinedLabel(const QString& text, const QColor& fill, QWidget* parent = nullptr);

    QString text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QColor m_fill;
};
