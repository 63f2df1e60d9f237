#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

using Rows = QList<QVariantList>;

// Runs sql on a table file through a connection of its own, as another program would; the
// test ends when the statement fails.
Rows raw(const QString& file, const QString& sql, const QVariantList& values = {});
