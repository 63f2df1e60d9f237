#pragma once

#include <QLabel>

// A label whose text stands out of the background: a light edge above, a shadow below.
class RaisedLabel final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RaisedLabel)

public:
    explicit RaisedLabel(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
