// An assistant without a window for the two-host test: it takes commands on standard input
// ("probe", "chat ADDRESS TEXT", "offer ADDRESS PATH", "raw ADDRESS BYTES", "quit"), answers every
// question with Yes, saves received files into the folder given as its argument, and prints what
// its window would show.
#include "common/Clock.h"
#include "common/QuietPrompts.h"
#include "lanmate/net/LanSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QSocketNotifier>
#include <QUdpSocket>

#include <cstdio>
#include <unistd.h>

namespace {

void say(const QString& line)
{
    QString flat = line;
    flat.replace(QLatin1Char('\r'), QLatin1Char('|')).replace(QLatin1Char('\n'), QLatin1Char('|'));
    std::fputs(flat.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

class AnsweringPrompts final : public QuietPrompts
{
public:
    explicit AnsweringPrompts(QString folder)
        : m_folder(std::move(folder))
    {
    }
    void notice(const QString& text, const QString& caption, Icon) override
    {
        say(QStringLiteral("box ") + caption + QLatin1Char(' ') + text);
    }
    bool confirm(const QString& text, const QString& caption, Icon) override
    {
        say(QStringLiteral("question ") + caption + QLatin1Char(' ') + text);
        return true;
    }
    void error(const QString& text) override { say(QStringLiteral("error ") + text); }
    QString saveFileName(const QString&, const QString&, const QString&) override
    {
        return QDir(m_folder).filePath(QStringLiteral("typed-name"));
    }

private:
    QString m_folder;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    AnsweringPrompts prompts(app.arguments().value(1, QDir::tempPath()));
    Clock clock;
    const NetIdentity identity = NetIdentity::detect();
    LanSession session(prompts, clock, identity);
    QObject::connect(&session, &LanSession::contactFound, [](const QString& name, const QString& address) {
        say(QStringLiteral("contact ") + name + QLatin1Char(' ') + address);
    });
    QObject::connect(
        &session, &LanSession::chatLogged, [](const QString& entry) { say(QStringLiteral("log ") + entry); });
    QObject::connect(
        &session, &LanSession::fileReceived, [](const QString& path) { say(QStringLiteral("received ") + path); });
    if (!session.open())
        return 1;
    say(QStringLiteral("identity ") + identity.LocalIP + QLatin1Char(' ') + identity.LocalName + QLatin1Char(' ')
        + identity.BroadcastIP + QLatin1Char(' ') + identity.InterfaceBroadcasts.join(QLatin1Char(',')));

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    auto run = [&](const QString& line) {
        const QString command = line.section(QLatin1Char(' '), 0, 0);
        if (command == QLatin1String("quit"))
            app.quit();
        else if (command == QLatin1String("probe"))
            session.probe();
        else if (command == QLatin1String("chat"))
            session.sendChat(
                QStringLiteral("peer"), line.section(QLatin1Char(' '), 1, 1), line.section(QLatin1Char(' '), 2));
        else if (command == QLatin1String("raw")) // a datagram as another program would send it
            QUdpSocket().writeDatagram(line.section(QLatin1Char(' '), 2).toUtf8(),
                QHostAddress(line.section(QLatin1Char(' '), 1, 1)), session.datagramPort());
        else if (command == QLatin1String("offer"))
            session.sendOffer(line.section(QLatin1Char(' '), 2), line.section(QLatin1Char(' '), 1, 1));
    };
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[4096];
        const ssize_t size = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (size <= 0) {
            app.quit();
            return;
        }
        pending.append(buffer, size);
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            run(QString::fromUtf8(pending.left(end)));
            pending.remove(0, end + 1);
        }
    });
    return app.exec();
}
