#pragma once

#include "common/DocumentOpener.h"

#include <QStringList>

// An opener that starts nothing: it records each path and answers with the result set for it,
// at once or when the test calls finish().
class RecordingOpener final : public DocumentOpener
{
public:
    void open(const QString& path, Done done) override;

    // The answer to the next openings; Opened unless set.
    void answer(Result result, bool deferred = false);
    // Answers the oldest deferred opening.
    void finish();

    const QStringList& paths() const { return m_paths; }

private:
    Result m_result;
    bool m_deferred = false;
    QList<Done> m_pending;
    QStringList m_paths;
};
