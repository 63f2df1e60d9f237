#pragma once

#include <QString>

class QDateTime;

// The name a damaged file is kept under beside the original: path + ".damaged-" + the time,
// with "-2", "-3"... added while such a file exists already.
QString damagedFileName(const QString& path, const QDateTime& now);
