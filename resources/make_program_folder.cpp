#include "diary/shell/PasswordTree.h"
#include "diary/store/TreeFile.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QtMath>

namespace {

struct Category
{
    const char* name;
    QList<const char*> members;
};

void saveTwoLevels(const QString& path, const QList<Category>& categories, bool radioMembers)
{
    NodeTree tree(NodeTree::SortMode::Text);
    for (const Category& category : categories) {
        TreeNode* parent = tree.addRoot(QString::fromUtf8(category.name));
        if (!radioMembers)
            tree.setImages(parent, 0, 2);
        for (const char* member : category.members) {
            TreeNode* node = tree.addChild(parent, QString::fromUtf8(member));
            if (radioMembers)
                tree.setCheckKind(node, TreeNode::CheckKind::Radio);
            else
                tree.setImages(node, 1, 2);
        }
    }
    SaveTreeFile(tree, path);
}

// A short two-tone chime, 16-bit mono PCM.
QByteArray chime()
{
    constexpr int rate = 22050;
    QByteArray samples;
    QDataStream out(&samples, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    for (const double tone : { 880.0, 659.25 }) {
        for (int i = 0; i < rate / 2; ++i) {
            const double t = double(i) / rate;
            const double envelope = qExp(-5.0 * t);
            out << qint16(12000 * envelope * qSin(2 * M_PI * tone * t));
        }
    }
    QByteArray wav;
    QDataStream header(&wav, QIODevice::WriteOnly);
    header.setByteOrder(QDataStream::LittleEndian);
    header.writeRawData("RIFF", 4);
    header << quint32(36 + samples.size());
    header.writeRawData("WAVEfmt ", 8);
    header << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2) << quint16(2)
           << quint16(16);
    header.writeRawData("data", 4);
    header << quint32(samples.size());
    return wav + samples;
}

// The help document, as rich text that word processors open.
QByteArray helpDocument()
{
    const QStringList lines {
        QStringLiteral("Dailora 使用帮助"),
        QString(),
        QStringLiteral("写日记：在主窗口点“写 日 记”，选择日期、来源和人员，在类型树中标记一个项目，双击项目输入内容，再点“输入日记”。"),
        QStringLiteral("查询：在主窗口点“查　　询”，填写日期范围和条件后点查询按钮，结果可以直接修改、删除和打印。"),
        QStringLiteral("来源：在主窗口点“来　　源”，右键添加或删除来源和人员，拖动人员可以换到别的来源。"),
        QStringLiteral("修改密码：在主窗口点“修改密码”，输入原始密码和新密码。"),
        QStringLiteral("数据都保存在程序所在的文件夹中，请定期使用“数据备份”。"),
    };
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}}\\f0\\fs24\n";
    for (const QString& line : lines) {
        for (const QChar c : line) {
            if (c.unicode() < 0x80)
                rtf += c.toLatin1();
            else
                rtf += "\\u" + QByteArray::number(qint16(c.unicode())) + "?";
        }
        rtf += "\\par\n";
    }
    return rtf + "}\n";
}

bool writeIfMissing(const QString& path, const QByteArray& bytes)
{
    if (QFile::exists(path))
        return true;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        qCritical("usage: make_program_folder FOLDER");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(QStringLiteral("."));
    try {
        const QString password = folder.filePath(QStringLiteral("temp.nod"));
        if (!QFile::exists(password)) {
            PasswordTree builtIn;
            SaveTreeFile(builtIn.tree(), password);
        }
        const QString sources = folder.filePath(QStringLiteral("treeview.nod"));
        if (!QFile::exists(sources))
            saveTwoLevels(sources, { { "办公室", {} }, { "客户", {} } }, false);
        const QString types = folder.filePath(QStringLiteral("typtreeview.nod"));
        if (!QFile::exists(types))
            saveTwoLevels(types,
                { { "工作", { "日常事务", "文件处理" } }, { "会议", { "部门例会", "项目评审" } },
                    { "学习", { "培训" } } },
                true);
    } catch (const std::exception& e) {
        qCritical("%s", e.what());
        return 1;
    }
    if (!writeIfMissing(folder.filePath(QStringLiteral("ringin.wav")), chime())
        || !writeIfMissing(folder.filePath(QStringLiteral("help.doc")), helpDocument()))
        return 1;
    return 0;
}
