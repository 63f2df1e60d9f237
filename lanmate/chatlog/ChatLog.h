#pragma once

#include <QStringList>

class Clock;

// The chat log's entries and the file they live in between runs. A log file that exists but
// did not load whole is kept: it is renamed before the first save replaces it.
class ChatLog final
{
public:
    ChatLog(QString path, Clock& clock);

    const QString& path() const { return m_path; }
    const QStringList& entries() const { return m_entries; }

    // Appends one entry; CR, LF and CR LF inside it become line breaks ('\n').
    void append(const QString& entry);
    void clear();

    // Loads the log file; a missing, unreadable or incomplete file throws AppError after the
    // log has been set to what could be read (nothing, or the readable part).
    void loadAtStart();
    // Saves to the log file, first moving a file that did not load out of the way.
    void saveAtClose();
    // The save and load commands: another file, the log file itself untouched. A file that
    // cannot be read throws and leaves the log as it was.
    void saveTo(const QString& path) const;
    void loadFrom(const QString& path);

    // Line breaks of an entry as the log keeps them.
    static QString normalized(const QString& entry);

private:
    QString m_path;
    Clock& m_clock;
    QStringList m_entries;
    bool m_keepFile = false;
};
