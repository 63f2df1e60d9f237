#pragma once

#include <QString>

class NodeTree;
class QDateTime;
class QIODevice;

// The node-stream file of the program's trees. Both throw AppError with the user's message.

// Replaces tree's content by the file's. A file that cannot be opened leaves the tree as it
// was; a damaged file leaves the nodes read before the damage and fails with "Stream read error".
// The damaged file's bytes are first copied beside it (name + ".damaged-" + now), so that the
// next save of the partial tree cannot lose what a repair could still read.
void LoadTreeFile(NodeTree& tree, const QString& path, const QDateTime& now);
// The same from an open device.
void LoadTreeStream(NodeTree& tree, QIODevice& device);

// Writes the whole tree. The file is replaced only once it has been written whole.
void SaveTreeFile(const NodeTree& tree, const QString& path);
