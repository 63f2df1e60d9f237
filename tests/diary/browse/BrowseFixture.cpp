#include "tests/diary/browse/BrowseFixture.h"

#include "diary/browse/ExportFile.h"
#include "diary/store/SqlTable.h"

#include <QDir>

BrowseFixture::BrowseFixture()
    : savedHome(qgetenv("HOME"))
    , savedConfig(qgetenv("XDG_CONFIG_HOME"))
{
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(QDir(home.path()).filePath(QStringLiteral(".config"))));
    dm = std::make_unique<TDM>(t.context);
    form = std::make_unique<TTongjiForm>(t.context, *dm, opener);
}

BrowseFixture::~BrowseFixture()
{
    form.reset();
    dm.reset();
    qputenv("HOME", savedHome);
    if (savedConfig.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", savedConfig);
}

void BrowseFixture::add(const QDate& day, const QString& type, const QString& item, const QString& source,
    const QString& person, const QString& content, qint64 num) const
{
    QVariantList values { day.toString(Qt::ISODate), type, item, source, person, content };
    QString sql = QStringLiteral("INSERT INTO daily (Inputdate, Type, Item, Bumen, Renyuan, Neirong%1) "
                                 "VALUES (?, ?, ?, ?, ?, ?%2)");
    if (num > 0) {
        sql = sql.arg(QStringLiteral(", Num"), QStringLiteral(", ?"));
        values.append(num);
    } else {
        sql = sql.arg(QString(), QString());
    }
    SqlTable::run(TDM::connectionName(), sql, values);
}

QString BrowseFixture::exportFolder() const
{
    return ExportFile::folder(t.context.programDir);
}
