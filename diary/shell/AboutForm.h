#pragma once

#include <QWidget>

class QAbstractButton;
class QTextDocument;
class QTimer;

// The About window: the program's title raised over a light blue panel and a slowly scrolling
// block of text with the version history, the functions and where to find help.
class TAboutForm1 final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAboutForm1)

public:
    explicit TAboutForm1(QWidget* parent = nullptr);
    ~TAboutForm1() override;

    // The scrolling text as plain text.
    QString scrollText() const;
    // Moves the text on by one step of its scrolling.
    void scrollStep();

    QAbstractButton* fcImageBtn1;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QRect textArea() const;
    void paintTitle(QPainter& painter);
    void paintScroller(QPainter& painter);

    QTextDocument* m_text;
    QTimer* m_scroll;
    qreal m_offset = 0;
};
