// Writes an empty chat log to the given path unless a file is there already.
#include "lanmate/chatlog/ChatLogFile.h"

#include "common/AppError.h"

#include <QCoreApplication>
#include <QFileInfo>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        qCritical("usage: make_chat_log FILE");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (QFileInfo::exists(path))
        return 0;
    try {
        ChatLogFile::save(path, {});
    } catch (const AppError& failure) {
        qCritical("%s", qPrintable(failure.message()));
        return 1;
    }
    return 0;
}
