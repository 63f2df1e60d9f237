#include "tests/support/RecordingOpener.h"

void RecordingOpener::open(const QString& path, Done done)
{
    m_paths.append(path);
    if (m_deferred)
        m_pending.append(std::move(done));
    else
        done(m_result);
}

void RecordingOpener::answer(Result result, bool deferred)
{
    m_result = std::move(result);
    m_deferred = deferred;
}

void RecordingOpener::finish()
{
    if (!m_pending.isEmpty())
        m_pending.takeFirst()(m_result);
}
