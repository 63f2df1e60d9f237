#include "common/Fonts.h"

#include <QFont>
#include <QStringList>

void installFontSubstitutions()
{
    const QStringList serif { QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC"),
        QStringLiteral("Noto Sans CJK SC") };
    const QStringList kai { QStringLiteral("AR PL UKai CN"), QStringLiteral("AR PL UMing CN"),
        QStringLiteral("Noto Sans CJK SC") };
    const QStringList sans { QStringLiteral("Noto Sans CJK SC"), QStringLiteral("AR PL UMing CN") };

    QFont::insertSubstitutions(QStringLiteral("宋体"), serif);
    QFont::insertSubstitutions(QStringLiteral("新宋体"), serif);
    QFont::insertSubstitutions(QStringLiteral("仿宋_GB2312"), kai);
    QFont::insertSubstitutions(QStringLiteral("楷体_GB2312"), kai);
    QFont::insertSubstitutions(QStringLiteral("华文行楷"), kai);
    QFont::insertSubstitutions(QStringLiteral("黑体"), sans);
}
