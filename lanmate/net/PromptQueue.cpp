#include "lanmate/net/PromptQueue.h"

#include <QTimer>

PromptQueue::PromptQueue(int limit, QObject* parent)
    : QObject(parent)
    , m_limit(limit)
{
}

bool PromptQueue::post(std::function<void()> job, bool droppable)
{
    if (droppable && int(m_jobs.size()) >= m_limit)
        return false;
    m_jobs.push_back(std::move(job));
    // Run from the event loop, never inside the handler that raised the prompt: its socket
    // then keeps being served while a box is open.
    if (!m_running && !m_scheduled) {
        m_scheduled = true;
        QTimer::singleShot(0, this, &PromptQueue::run);
    }
    return true;
}

void PromptQueue::run()
{
    m_scheduled = false;
    if (m_running)
        return;
    m_running = true;
    // A job that throws still leaves the queue able to run the next ones.
    struct Reset
    {
        PromptQueue* queue;
        ~Reset()
        {
            queue->m_running = false;
            if (!queue->m_jobs.empty() && !queue->m_scheduled) {
                queue->m_scheduled = true;
                QTimer::singleShot(0, queue, &PromptQueue::run);
            }
        }
    } reset { this };
    while (!m_jobs.empty()) {
        std::function<void()> job = std::move(m_jobs.front());
        m_jobs.pop_front();
        job();
    }
    m_running = false;
    emit drained();
}
