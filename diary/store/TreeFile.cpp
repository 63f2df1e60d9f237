#include "diary/store/TreeFile.h"

#include "common/AppError.h"
#include "common/CodePage.h"
#include "common/DamagedFile.h"
#include "diary/store/NodeTree.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

namespace {

constexpr int FixedRecordSize = 39;
constexpr int MaxTextBytes = 255;
constexpr int MaxRecordSize = FixedRecordSize + MaxTextBytes;

// Offsets inside a node record.
enum Offset
{
    ImageAt = 0,
    SelectedAt = 4,
    StateAt = 8,
    OverlayAt = 12,
    CheckKindAt = 16,
    CheckFlagsAt = 17,
    ExpandedAt = 18,
    DataAt = 22,
    Extra1At = 26,
    Extra2At = 30,
    ChildCountAt = 34,
    TextLengthAt = 38,
    TextAt = 39,
};

const QString StreamReadError = QStringLiteral("Stream read error");
const QString StreamWriteError = QStringLiteral("Stream write error");
const QString kKeptAs = QStringLiteral("损坏的文件已原样保留为 \"%1\"");

QString openError(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason);
}

QString createError(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason);
}

// Copies the damaged file beside it and says where to, or why that failed. Loading the same
// damaged file again finds its copy instead of making another.
QString keepDamagedCopy(const QString& path, const QDateTime& now)
{
    QFile original(path);
    const QByteArray bytes = original.open(QIODevice::ReadOnly) ? original.readAll() : QByteArray();
    original.close();
    const QFileInfo info(path);
    const QStringList copies = info.dir().entryList({ info.fileName() + QStringLiteral(".damaged-*") }, QDir::Files);
    for (const QString& name : copies) {
        QFile earlier(info.dir().filePath(name));
        if (earlier.size() == bytes.size() && earlier.open(QIODevice::ReadOnly) && earlier.readAll() == bytes)
            return kKeptAs.arg(QDir::toNativeSeparators(earlier.fileName()));
    }
    const QString copy = damagedFileName(path, now);
    if (!original.copy(copy))
        return QStringLiteral("无法保留损坏文件的副本 \"%1\"：%2")
            .arg(QDir::toNativeSeparators(copy), original.errorString());
    return kKeptAs.arg(QDir::toNativeSeparators(copy));
}

qint32 int32At(const char* record, int offset)
{
    return qFromLittleEndian<qint32>(record + offset);
}

void putInt32(char* record, int offset, qint32 value)
{
    qToLittleEndian<qint32>(value, record + offset);
}

} // namespace

// Reads node blocks without recursion, so that nesting depth costs heap, not stack, and every
// count is checked against what the file can still hold.
class TreeFileReader
{
public:
    TreeFileReader(NodeTree& tree, QIODevice& file)
        : m_tree(tree)
        , m_file(file)
    {
    }

    void read()
    {
        NodeTree::Children roots;
        try {
            readAll(roots);
        } catch (const AppError&) {
            m_tree.resetContent(std::move(roots), m_checked);
            throw;
        }
        m_tree.resetContent(std::move(roots), m_checked);
    }

private:
    struct Open
    {
        TreeNode* node;
        qint32 childrenLeft;
    };

    void readAll(NodeTree::Children& roots)
    {
        const qint32 rootCount = readInt32();
        if (rootCount < 0)
            throw AppError(StreamReadError);
        std::vector<Open> open;
        for (qint32 r = 0; r < rootCount; ++r) {
            open.push_back(readBlock(nullptr, roots));
            while (!open.empty()) {
                Open& top = open.back();
                if (top.childrenLeft == 0) {
                    open.pop_back();
                    continue;
                }
                --top.childrenLeft;
                TreeNode* parent = top.node;
                open.push_back(readBlock(parent, parent->m_children));
            }
        }
    }

    Open readBlock(TreeNode* parent, NodeTree::Children& siblings)
    {
        const qint32 size = readInt32();
        if (size < FixedRecordSize || size > MaxRecordSize)
            throw AppError(StreamReadError);
        char record[MaxRecordSize] = {};
        readExactly(record, size);
        const qint32 extra1 = int32At(record, Extra1At);
        const qint32 extra2 = int32At(record, Extra2At);
        const qint32 childCount = int32At(record, ChildCountAt);

        auto owned = std::make_unique<TreeNode>();
        TreeNode* node = owned.get();
        node->m_parent = parent;
        node->m_siblings = &siblings;
        siblings.push_back(std::move(owned));

        const int textLength = std::min<int>(quint8(record[TextLengthAt]), size - FixedRecordSize);
        node->m_text = CodePage::decode(QByteArray(record + TextAt, textLength));
        node->m_imageIndex = int32At(record, ImageAt);
        node->m_selectedIndex = int32At(record, SelectedAt);
        node->m_stateIndex = int32At(record, StateAt);
        node->m_overlayIndex = int32At(record, OverlayAt);
        node->m_data = quint32(int32At(record, DataAt));
        node->m_checkKind = TreeNode::CheckKind(quint8(record[CheckKindAt]));
        node->m_checked = record[CheckFlagsAt] & 1;
        node->m_grayed = record[CheckFlagsAt] & 2;
        if (node->m_checked)
            m_checked.append(node);
        if (m_tree.streamExpandedNode())
            node->m_expanded = record[ExpandedAt] != 0;
        node->m_extra1 = readString(extra1);
        node->m_extra2 = readString(extra2);
        if (childCount < 0)
            throw AppError(StreamReadError);
        return { node, childCount };
    }

    QByteArray readString(qint32 length)
    {
        if (length <= 0)
            return {};
        if (length > m_file.bytesAvailable())
            throw AppError(StreamReadError);
        QByteArray bytes(length, Qt::Uninitialized);
        readExactly(bytes.data(), length);
        return bytes;
    }

    qint32 readInt32()
    {
        char bytes[4];
        readExactly(bytes, 4);
        return int32At(bytes, 0);
    }

    void readExactly(char* into, qint64 size)
    {
        if (m_file.read(into, size) != size)
            throw AppError(StreamReadError);
    }

    NodeTree& m_tree;
    QIODevice& m_file;
    QList<TreeNode*> m_checked;
};

void LoadTreeFile(NodeTree& tree, const QString& path, const QDateTime& now)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(openError(path, file.errorString()));
    try {
        LoadTreeStream(tree, file);
    } catch (const AppError& failure) {
        file.close();
        throw AppError(failure.message() + u'\n' + keepDamagedCopy(path, now));
    }
}

void LoadTreeStream(NodeTree& tree, QIODevice& device)
{
    TreeFileReader(tree, device).read();
}

namespace {

QByteArray nodeBlock(const TreeNode& node)
{
    const QByteArray text = CodePage::encode(node.text()).left(MaxTextBytes);
    const int size = FixedRecordSize + int(text.size());
    char record[MaxRecordSize] = {};
    putInt32(record, ImageAt, node.imageIndex());
    putInt32(record, SelectedAt, node.selectedIndex());
    putInt32(record, StateAt, node.stateIndex());
    putInt32(record, OverlayAt, node.overlayIndex());
    record[CheckKindAt] = char(node.checkKind());
    record[CheckFlagsAt] = char((node.checked() ? 1 : 0) | (node.grayed() ? 2 : 0));
    record[ExpandedAt] = node.expanded() ? 1 : 0;
    putInt32(record, DataAt, qint32(node.data()));
    putInt32(record, Extra1At, qint32(node.extra1().size()));
    putInt32(record, Extra2At, qint32(node.extra2().size()));
    putInt32(record, ChildCountAt, node.childCount());
    record[TextLengthAt] = char(text.size());
    memcpy(record + TextAt, text.constData(), size_t(text.size()));

    QByteArray block(4, '\0');
    putInt32(block.data(), 0, size);
    block.append(record, size);
    block.append(node.extra1());
    block.append(node.extra2());
    return block;
}

} // namespace

void SaveTreeFile(const NodeTree& tree, const QString& path)
{
    const QFileInfo target(path);
    if (target.exists() && (!target.isFile() || !target.isWritable()))
        throw AppError(createError(path, QStringLiteral("Permission denied")));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw AppError(createError(path, file.errorString()));

    QByteArray bytes(4, '\0');
    putInt32(bytes.data(), 0, tree.rootCount());
    for (const TreeNode* node : tree.nodes())
        bytes.append(nodeBlock(*node));
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        throw AppError(StreamWriteError);
    }
    if (!file.commit())
        throw AppError(createError(path, file.errorString()));
}
