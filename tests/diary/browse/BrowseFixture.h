#pragma once

#include "common/DocumentOpener.h"
#include "diary/browse/tongji_unit.h"
#include "diary/store/dbm.h"
#include "tests/support/RecordingOpener.h"
#include "tests/support/TestContext.h"

#include <QTemporaryDir>
#include <memory>

// A program folder with the diary tables and the browsing window on them. The user's home
// is a temporary folder too, so exports land in its documents folder.
struct BrowseFixture
{
    BrowseFixture();
    ~BrowseFixture();

    // Adds a diary row; num pins its key.
    void add(const QDate& day, const QString& type, const QString& item, const QString& source, const QString& person,
        const QString& content, qint64 num = 0) const;
    QString exportFolder() const;

    QTemporaryDir home;
    QByteArray savedHome;
    QByteArray savedConfig;
    TestContext t;
    std::unique_ptr<TDM> dm;
    RecordingOpener opener;
    std::unique_ptr<TTongjiForm> form;
};
