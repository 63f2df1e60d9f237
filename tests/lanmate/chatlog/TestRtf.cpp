#include "lanmate/chatlog/RtfReader.h"
#include "lanmate/chatlog/RtfWriter.h"

#include <QTest>

class TestRtf : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void writesEscapes();
    void readsForeignRtf_data();
    void readsForeignRtf();
    void truncatedDocumentsReadTheirHead();
    void recognisesRtf_data();
    void recognisesRtf();
};

void TestRtf::roundTrip_data()
{
    QTest::addColumn<QStringList>("paragraphs");

    QTest::newRow("empty log") << QStringList();
    QTest::newRow("one empty entry") << QStringList { QString() };
    QTest::newRow("chat entries") << QStringList { QStringLiteral("(9:30:00)来自\"张三\"的信息：\n你好, hello"),
        QStringLiteral("(9:31:05)你对\"李四\"说： \n第一行\n第二行 line two\n"), QStringLiteral("plain ascii") };
    QTest::newRow("breaking characters") << QStringList { QStringLiteral("a\\b{c}d\\par }{ \\'c4 \\u20320?"),
        QStringLiteral("}}}{{{\\") };
    QTest::newRow("control characters") << QStringList { QString::fromUtf16(u"a\u0001b\u0007c\u001fd\u007fe\tf"),
        QString(QChar(u'\0')) + QStringLiteral("x") };
    QTest::newRow("digits and blanks after escapes") << QStringList { QStringLiteral("你123\n456\t789"),
        QStringLiteral("  leading and trailing  "), QStringLiteral("中?文?") };
    QTest::newRow("outside the basic plane") << QStringList { QString::fromUcs4(U"smile \U0001F600 \U00020000") };
}

void TestRtf::roundTrip()
{
    QFETCH(QStringList, paragraphs);
    const RtfReader::Result read = RtfReader::read(writeRtf(paragraphs));
    QVERIFY(read.complete);
    QCOMPARE(read.paragraphs, paragraphs);
}

void TestRtf::writesEscapes()
{
    const QByteArray rtf = writeRtf({ QStringLiteral("{你}\\\na") });
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg936"));
    QVERIFY(rtf.contains("\\{\\u20320?\\}\\\\\\line a\\par"));
    QVERIFY(rtf.endsWith("}\n"));
    // Nothing outside printable ASCII reaches the file.
    for (const char c : rtf)
        QVERIFY(c == '\n' || (c >= 0x20 && c < 0x7f));
}

void TestRtf::readsForeignRtf_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QStringList>("paragraphs");
    QTest::addColumn<bool>("complete");

    QTest::newRow("code page 936 escapes")
        << QByteArray("{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"
                      "\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs18 \\'c4\\'e3\\'ba\\'c3\\par\n}")
        << QStringList { QStringLiteral("你好") } << true;
    QTest::newRow("charset 134 without ansicpg")
        << QByteArray("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}}\\f0 \\'c4\\'e3\\'ba\\'c3}")
        << QStringList { QStringLiteral("你好") } << true;
    QTest::newRow("escape run split by a line break")
        << QByteArray("{\\rtf1\\ansi\\ansicpg936 \\'c4\r\n\\'e3\\'ba\n\\'c3\\par}")
        << QStringList { QStringLiteral("你好") } << true;
    QTest::newRow("raw code page bytes") << QByteArray("{\\rtf1\\ansi\\ansicpg936 \xc4\xe3\xba\xc3}")
                                         << QStringList { QStringLiteral("你好") } << true;
    QTest::newRow("western font then chinese font")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fnil\\fcharset134 "
                      "SimSun;}}\\f0 caf\\'e9 {\\f1\\'c4\\'e3}\\'e9\\par}")
        << QStringList { QStringLiteral("café 你é") } << true;
    QTest::newRow("unicode with fallback")
        << QByteArray("{\\rtf1\\uc1 \\u20320?\\u22909?\\par}") << QStringList { QStringLiteral("你好") } << true;
    QTest::newRow("uc2 with code page fallback")
        << QByteArray("{\\rtf1\\ansi\\ansicpg936\\uc2 \\u20320\\'c4\\'e3\\u22909\\'ba\\'c3 ok}")
        << QStringList { QStringLiteral("你好 ok") } << true;
    QTest::newRow("uc0") << QByteArray("{\\rtf1\\uc0\\u20320\\u22909 x}") << QStringList { QStringLiteral("你好x") }
                         << true;
    QTest::newRow("uc scoped to its group") << QByteArray("{\\rtf1\\uc1{\\uc2\\u20320\\'c4\\'e3}\\u22909?}")
                                            << QStringList { QStringLiteral("你好") } << true;
    QTest::newRow("negative unicode") << QByteArray("{\\rtf1\\uc1\\u-26196?}") << QStringList { QStringLiteral("馬") }
                                      << true;
    QTest::newRow("surrogate pair") << QByteArray("{\\rtf1\\uc1\\u-10179?\\u-8704?}")
                                    << QStringList { QString::fromUcs4(U"\U0001F600") } << true;
    QTest::newRow("lone surrogate") << QByteArray("{\\rtf1\\uc1\\u-10179?x}")
                                    << QStringList { QString::fromUtf16(u"\uFFFDx") } << true;
    QTest::newRow("par and line") << QByteArray("{\\rtf1 a\\line b\\par c\\par\\par d}")
                                  << QStringList { QStringLiteral("a\nb"), QStringLiteral("c"), QString(),
                                         QStringLiteral("d") }
                                  << true;
    QTest::newRow("backslash before a line end is a paragraph")
        << QByteArray("{\\rtf1 a\\\nb}") << QStringList { QStringLiteral("a"), QStringLiteral("b") } << true;
    QTest::newRow("groups and ignorable destinations")
        << QByteArray("{\\rtf1{\\*\\generator Writer 1.0;}{\\info{\\title T}{\\author A}}{\\colortbl;\\red0\\green0"
                      "\\blue0;}{\\stylesheet{\\s0 Normal;}}x{\\b y}{\\*\\unknown {nested} text}z\\par}")
        << QStringList { QStringLiteral("xyz") } << true;
    QTest::newRow("field result kept, instruction skipped")
        << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}\\par}")
        << QStringList { QStringLiteral("link") } << true;
    QTest::newRow("binary data") << QByteArray("{\\rtf1 a{\\pict\\bin4 }{\\}}b\\par}")
                                 << QStringList { QStringLiteral("ab") } << true;
    QTest::newRow("escaped characters") << QByteArray("{\\rtf1 \\\\\\{\\}\\tab\\~\\par}")
                                        << QStringList { QString::fromUtf16(u"\\{}\t\u00a0") } << true;
    QTest::newRow("text after the document")
        << QByteArray("{\\rtf1 a}b\\par}") << QStringList { QStringLiteral("a") } << true;
    QTest::newRow("unclosed group") << QByteArray("{\\rtf1 a\\par b{\\b c")
                                    << QStringList { QStringLiteral("a"), QStringLiteral("bc") } << false;
    QTest::newRow("broken escapes") << QByteArray("{\\rtf1 a\\'zq\\'4\\u}") << QStringList { QStringLiteral("azq") }
                                    << true;
    QTest::newRow("huge numbers") << QByteArray("{\\rtf1\\uc99999999999999 \\u99999999999 ab\\bin99999999999 x}")
                                  << QStringList { QString(QChar::ReplacementCharacter) } << false;
}

void TestRtf::readsForeignRtf()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QStringList, paragraphs);
    QFETCH(bool, complete);
    const RtfReader::Result read = RtfReader::read(rtf);
    QCOMPARE(read.paragraphs, paragraphs);
    QCOMPARE(read.complete, complete);
}

void TestRtf::truncatedDocumentsReadTheirHead()
{
    const QStringList log { QStringLiteral("(9:30:00)来自\"张三\"的信息：\n你好"), QStringLiteral("second {entry}") };
    const QByteArray rtf = writeRtf(log);
    for (qsizetype cut = 0; cut < rtf.size() - 2; ++cut) {
        const RtfReader::Result read = RtfReader::read(rtf.first(cut));
        QVERIFY2(!read.complete, qPrintable(QString::number(cut)));
        QVERIFY(read.paragraphs.size() <= log.size());
        // Paragraphs ended before the cut are whole.
        for (qsizetype i = 0; i + 1 < read.paragraphs.size(); ++i)
            QCOMPARE(read.paragraphs.at(i), log.at(i));
    }
}

void TestRtf::recognisesRtf_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("rtf");
    QTest::newRow("rtf") << QByteArray("{\\rtf1 x}") << true;
    QTest::newRow("blanks first") << QByteArray("\r\n {\\rtf1}") << true;
    QTest::newRow("plain") << QByteArray("hello {\\rtf1}") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("other group") << QByteArray("{\\rt") << false;
}

void TestRtf::recognisesRtf()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, rtf);
    QCOMPARE(RtfReader::isRtf(bytes), rtf);
}

QTEST_GUILESS_MAIN(TestRtf)
#include "TestRtf.moc"
