#pragma once

#include <QStringList>

class NodeTree;

// A tree as text lines in display order, one dash per level: { "P", "-x", "Q" }.
QStringList outline(const NodeTree& tree);
