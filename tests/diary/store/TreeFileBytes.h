#pragma once

#include <QByteArray>

// Writers of tree-file bytes by hand, so the tests do not rely on the writer under test.
namespace TreeFileBytes {

QByteArray int32(qint32 value);

struct Block
{
    QByteArray text;
    qint32 childCount = 0;
    bool expanded = false;
    quint8 checkKind = 0;
    bool checked = false;
    qint32 image = 0;
    qint32 selected = 0;
    QByteArray extra1;
    QByteArray extra2;
};

// Record size, record and extra strings of one node (without its children).
QByteArray block(const Block& b);

} // namespace TreeFileBytes
