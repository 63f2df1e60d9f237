#pragma once

#include <QObject>

#include <deque>
#include <functional>

// Runs the prompts raised by the network one at a time, from the event loop, so that a flood
// of datagrams cannot nest modal boxes without limit. Each job may show boxes; while one runs,
// the next ones wait.
class PromptQueue final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PromptQueue)

public:
    static constexpr int defaultLimit = 16;

    explicit PromptQueue(int limit = defaultLimit, QObject* parent = nullptr);

    // Queues job; a job that must not be lost (results of a transfer) is queued beyond the limit.
    // False when the queue was full and the job was dropped.
    bool post(std::function<void()> job, bool droppable = true);
    int pending() const { return int(m_jobs.size()); }
    bool isRunning() const { return m_running; }

signals:
    // The queue ran its last job and is empty.
    void drained();

private:
    void run();

    int m_limit;
    bool m_running = false;
    bool m_scheduled = false;
    std::deque<std::function<void()>> m_jobs;
};
