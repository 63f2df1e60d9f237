#pragma once

#include <QHash>
#include <QObject>

class QWidget;

// Reports the hint of the control under the pointer, for a status bar to show.
class HoverHints final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HoverHints)

public:
    explicit HoverHints(QObject* parent = nullptr);

    void add(QWidget* widget, const QString& hint);
    // Leaving this control empties the hint.
    void clearOnLeave(QWidget* widget);

signals:
    void hintChanged(const QString& hint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QObject*, QString> m_hints;
    QObject* m_clearsOnLeave = nullptr;
};
