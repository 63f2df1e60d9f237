#include "diary/shell/PasswordTree.h"
#include "diary/store/TreeFile.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSaveFile>
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

// A soft three-note bell chime (E6, C6, G5), 16-bit mono PCM: each note a few partials with
// a quick attack and its own decay, the notes overlapping.
QByteArray chime()
{
    constexpr int rate = 22050;
    constexpr double length = 1.6;
    struct Note
    {
        double start, frequency;
    };
    const Note notes[] = { { 0.0, 1318.51 }, { 0.22, 1046.50 }, { 0.44, 783.99 } };
    const struct
    {
        double ratio, gain, decay;
    } partials[] = { { 1.0, 1.0, 3.2 }, { 2.0, 0.35, 5.0 }, { 3.0, 0.12, 7.5 }, { 4.2, 0.05, 9.0 } };
    const int count = int(rate * length);
    QList<double> mix(count, 0.0);
    for (const Note& note : notes) {
        for (int i = int(note.start * rate); i < count; ++i) {
            const double t = double(i) / rate - note.start;
            const double attack = qMin(1.0, t / 0.006);
            for (const auto& p : partials)
                mix[i] += attack * p.gain * qExp(-p.decay * t) * qSin(2 * M_PI * note.frequency * p.ratio * t);
        }
    }
    QByteArray samples;
    QDataStream out(&samples, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    for (int i = 0; i < count; ++i) {
        const double fadeOut = qMin(1.0, double(count - i) / (rate * 0.05));
        out << qint16(qBound(-32767.0, 7000.0 * fadeOut * mix[i], 32767.0));
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

QByteArray rtfText(const QString& text)
{
    QByteArray out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('{') || c == QLatin1Char('}'))
            out += '\\' + QByteArray(1, c.toLatin1());
        else if (c.unicode() < 0x80)
            out += c.toLatin1();
        else
            out += "\\u" + QByteArray::number(qint16(c.unicode())) + "?";
    }
    return out;
}

// The help document as rich text, from its source text: "# ", "## " and "### " start headings,
// "- " a bullet, "1. " a numbered step; other lines are paragraphs.
QByteArray helpDocument(const QString& source)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1"
                     "{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}{\\f1\\fnil\\fcharset134 SimHei;}}"
                     "{\\colortbl;\\red29\\green74\\blue154;}\n"
                     "\\paperw11906\\paperh16838\\margl1440\\margr1440\\margt1440\\margb1440\n";
    const QStringList lines = source.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        if (line.startsWith(QLatin1String("# ")))
            rtf += "\\pard\\qc\\sb240\\sa360\\f1\\fs40\\b\\cf1 " + rtfText(line.mid(2)) + "\\b0\\cf0\\par\n";
        else if (line.startsWith(QLatin1String("## ")))
            rtf += "\\pard\\sb360\\sa120\\f1\\fs30\\b\\cf1 " + rtfText(line.mid(3)) + "\\b0\\cf0\\par\n";
        else if (line.startsWith(QLatin1String("### ")))
            rtf += "\\pard\\sb240\\sa80\\f1\\fs26\\b " + rtfText(line.mid(4)) + "\\b0\\par\n";
        else if (line.startsWith(QLatin1String("- ")))
            rtf += "\\pard\\fi-360\\li720\\sa80\\sl360\\slmult1\\f0\\fs22 \\u9679?\\tab " + rtfText(line.mid(2))
                + "\\par\n";
        else if (line.size() > 2 && line.at(0).isDigit() && line.at(1) == QLatin1Char('.'))
            rtf += "\\pard\\fi-360\\li720\\sa80\\sl360\\slmult1\\f0\\fs22 " + rtfText(line.left(2)) + "\\tab "
                + rtfText(line.mid(3)) + "\\par\n";
        else
            rtf += "\\pard\\fi440\\sa120\\sl360\\slmult1\\f0\\fs22 " + rtfText(line) + "\\par\n";
    }
    return rtf + "}\n";
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        qCritical("usage: make_program_folder FOLDER HELP_SOURCE");
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
    QFile help(QString::fromLocal8Bit(argv[2]));
    if (!help.open(QIODevice::ReadOnly)) {
        qCritical("cannot read %s", argv[2]);
        return 1;
    }
    // The program's own files follow the build; the user's data files above are only created.
    if (!writeFile(folder.filePath(QStringLiteral("ringin.wav")), chime())
        || !writeFile(folder.filePath(QStringLiteral("help.doc")), helpDocument(QString::fromUtf8(help.readAll()))))
        return 1;
    return 0;
}
