// Feeds arbitrary datagrams to the assistant's dispatcher, with every question answered Yes:
// no datagram may crash it, and prompts must stay bounded.
#include "common/Clock.h"
#include "common/QuietPrompts.h"
#include "lanmate/net/LanSession.h"

#include <QCoreApplication>
#include <QTemporaryDir>

namespace {

class YesPrompts final : public QuietPrompts
{
public:
    explicit YesPrompts(QString folder)
        : m_folder(std::move(folder))
    {
    }
    QString saveFileName(const QString&, const QString&, const QString&) override { return m_folder + "/typed"; }

private:
    QString m_folder;
};

struct Fixture
{
    Fixture()
        : app(argc, argv)
        , prompts(dir.path())
        , session(prompts, clock, NetIdentity { "127.0.0.1", "fuzz", "127.0.0.1", {} },
              LanPorts { 0, 0, QHostAddress::LocalHost })
    {
        session.open();
    }

    int argc = 1;
    char name[5] = "fuzz";
    char* argv[2] = { name, nullptr };
    QCoreApplication app;
    QTemporaryDir dir;
    YesPrompts prompts;
    Clock clock;
    LanSession session;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Fixture fixture;
    // The endpoint never hands over more than one datagram holds.
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(std::min<size_t>(size, 2048)));
    fixture.session.NMUDPDataReceived(bytes, QStringLiteral("127.0.0.1"));
    QCoreApplication::processEvents();
    return 0;
}
