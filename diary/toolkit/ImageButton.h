#pragma once

#include <QAbstractButton>

// A drawn command button: a glossy rounded face with a symbol.
class ImageButton final : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ImageButton)

public:
    enum class Symbol { Write, Finish, Print, Delete, Search, Close, Left, Right, DoubleLeft, DoubleRight };

    ImageButton(Symbol symbol, const QString& tooltip, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Symbol m_symbol;
};
