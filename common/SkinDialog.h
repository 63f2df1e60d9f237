#pragma once

#include <QDialog>

class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

// The program's dialog frame: a borderless window drawn in the blue skin with a caption
// band that moves it, a body for the content and a row of buttons on the right. Every
// prompt and the password dialogs are built on it, so they all look alike.
class SkinDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SkinDialog)

public:
    static constexpr int CaptionHeight = 30;
    static constexpr int Margin = 22;

    explicit SkinDialog(const QString& caption, QWidget* parent = nullptr);

    QVBoxLayout* body() const { return m_body; }
    // A button that ends the dialog with result; the first one added is the default (Enter).
    QPushButton* addButton(const QString& text, int result);
    // Shown in the middle of the screen instead of over the window that asked.
    void setCentredOnScreen(bool onScreen);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void placeOnShow();

    QVBoxLayout* m_body = nullptr;
    QHBoxLayout* m_buttons = nullptr;
    bool m_centredOnScreen = false;
    bool m_placed = false;
    QPoint m_dragOffset;
    bool m_dragging = false;
};
