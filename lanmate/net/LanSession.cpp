#include "lanmate/net/LanSession.h"

#include "common/AppError.h"
#include "common/Clock.h"
#include "common/CodePage.h"
#include "common/Prompts.h"
#include "lanmate/net/Datagram.h"
#include "lanmate/net/LanTexts.h"
#include "lanmate/net/NetUnit.h"
#include "lanmate/net/StreamHeader.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace {

const QChar quote = QLatin1Char('"');
const QChar cr = QLatin1Char('\r');
constexpr qsizetype maxContactsPerRound = 4096;

} // namespace

LanSession::LanSession(Prompts& prompts, Clock& clock, NetIdentity identity, LanPorts ports, QObject* parent)
    : QObject(parent)
    , m_prompts(prompts)
    , m_clock(clock)
    , m_identity(std::move(identity))
    , m_ports(std::move(ports))
    , NMUDP(m_ports.datagram, m_ports.bindAddress)
    , Strm(m_ports.stream)
    , StrmServ([this](const QString& peer) { return m_accepted.take(peer); }, m_ports.stream, m_ports.bindAddress)
    , m_saveFolder(QDir::homePath())
{
    const QHostAddress& bind = m_ports.bindAddress;
    if (bind != QHostAddress::Any && bind != QHostAddress::AnyIPv4 && bind != QHostAddress::AnyIPv6)
        Strm.setBindAddress(bind);
    connect(&NMUDP, &DatagramEndpoint::dataReceived, this, &LanSession::NMUDPDataReceived);
    connect(&NMUDP, &DatagramEndpoint::dataSent, this, &LanSession::NMUDPDataSend);
    connect(&NMUDP, &DatagramEndpoint::invalidHost, this, &LanSession::NMUDPInvalidHost);
    connect(&Strm, &StreamClient::hostResolved, this, &LanSession::StrmHostResolved);
    connect(&Strm, &StreamClient::invalidHost, this, &LanSession::StrmInvalidHost);
    connect(&Strm, &StreamClient::connected, this, &LanSession::StrmConnect);
    connect(&Strm, &StreamClient::connectionFailed, this, &LanSession::StrmConnectionFailed);
    connect(&Strm, &StreamClient::packetSent, this, &LanSession::StrmPacketSent);
    connect(&Strm, &StreamClient::disconnected, this, &LanSession::StrmDisconnect);
    connect(&Strm, &StreamClient::finished, this, &LanSession::StrmFinished);
    connect(&StrmServ, &StreamServer::saved, this, &LanSession::StrmServMSG);
    connect(&StrmServ, &StreamServer::failed, this, &LanSession::StrmServFailed);
    connect(&StrmServ, &StreamServer::disconnected, this, &LanSession::StrmServDisconnect);
}

bool LanSession::open()
{
    bool ok = true;
    if (!NMUDP.open()) {
        m_prompts.error(LanTexts::portUnavailable(m_ports.datagram, NMUDP.errorString()));
        ok = false;
    }
    if (!StrmServ.open()) {
        m_prompts.error(LanTexts::portUnavailable(m_ports.stream, StrmServ.errorString()));
        ok = false;
    } else if (m_ports.stream == 0) {
        Strm.setPort(StrmServ.localPort());
    }
    return ok;
}

quint16 LanSession::datagramPort() const
{
    return NMUDP.localPort();
}

quint16 LanSession::streamPort() const
{
    return StrmServ.localPort();
}

void LanSession::setTransferTimeout(int ms)
{
    Strm.setTimeout(ms);
    StrmServ.setTimeout(ms);
}

void LanSession::ShowError(Prompts& prompts, const QString& text)
{
    prompts.notice(text, LanTexts::errorCaption(), Prompts::Icon::Critical);
}

QString LanSession::longTime(const QTime& time)
{
    // Qt's long format ends in the time zone, which the user's long time format has not.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return time.toString(format.trimmed());
}

std::pair<int, int> LanSession::gaugeRange(qint64 maximum, qint64 position)
{
    int shift = 0;
    while ((maximum >> shift) > std::numeric_limits<int>::max())
        ++shift;
    return { int(maximum >> shift), int(position >> shift) };
}

// ---- datagrams

void LanSession::NMUDPDataReceived(const QByteArray& bytes, const QString& fromIP)
{
    switch (Datagram::kindOf(bytes)) {
    case Datagram::Kind::Chat:
        ChatReceived(bytes);
        break;
    case Datagram::Kind::Probe:
        ProbeReceived(fromIP);
        break;
    case Datagram::Kind::ProbeAnswer:
        ContactReceived(bytes, fromIP);
        break;
    case Datagram::Kind::OfferAnswer:
        OfferAnswered(bytes, fromIP);
        break;
    case Datagram::Kind::Offer:
        OfferReceived(bytes, fromIP);
        break;
    }
}

void LanSession::NMUDPDataSend()
{
    status(LanTexts::sentOk());
}

void LanSession::NMUDPInvalidHost()
{
    m_queue.post(
        [this] { m_prompts.notice(LanTexts::invalidHostBox(), LanTexts::infoCaption(), Prompts::Icon::Information); });
}

void LanSession::reportFailure(const QString& text)
{
    m_queue.post([this, text] { m_prompts.error(text); });
}

void LanSession::ChatReceived(const QByteArray& bytes)
{
    Datagram::Chat chat;
    try {
        chat = Datagram::parseChat(bytes);
    } catch (const AppError& failure) {
        reportFailure(failure.message());
        return;
    }
    emit chatLogged(QLatin1Char('(') + now() + QStringLiteral(")来自") + quote + chat.name + quote
        + QStringLiteral("的信息：") + cr + chat.text);
}

void LanSession::ProbeReceived(const QString& fromIP)
{
    if (!m_identity.hasAddress())
        return;
    NMUDP.send(Datagram::probeAnswer(m_identity.LocalIP, m_identity.LocalName), fromIP,
        [this](const QString& failure) { reportFailure(failure); });
}

void LanSession::ContactReceived(const QByteArray& bytes, const QString& fromIP)
{
    Datagram::Contact contact = Datagram::parseProbeAnswer(bytes);
    contact.address = NetUnit::contactAddress(contact.address, fromIP);
    // Every interface broadcast brings its own answer; each peer is listed once per round.
    const QString key = contact.address + QLatin1Char('\n') + contact.name;
    // Forged answers in bulk cannot grow the list without end.
    if (m_roundContacts.contains(key) || m_roundContacts.size() >= maxContactsPerRound)
        return;
    m_roundContacts.insert(key);
    emit contactFound(contact.name, contact.address);
}

void LanSession::probe()
{
    m_roundContacts.clear();
    emit contactsCleared();
    if (!m_identity.hasAddress())
        return;
    QStringList targets { m_identity.BroadcastIP };
    for (const QString& broadcast : m_identity.InterfaceBroadcasts)
        if (!targets.contains(broadcast))
            targets.append(broadcast);
    // On a subnetted network without a default route the class broadcast is unreachable while an
    // interface broadcast works: only a probe that went nowhere is a failure.
    auto failures = std::make_shared<int>(0);
    const int count = int(targets.size());
    for (const QString& target : targets)
        NMUDP.send(Datagram::probe(), target, [this, failures, count](const QString& failure) {
            if (++*failures == count)
                reportFailure(failure);
        });
}

bool LanSession::sendChat(const QString& contactName, const QString& targetIP, const QString& text)
{
    const QByteArray bytes = Datagram::chat(m_identity.LocalName, text);
    if (bytes.size() > Datagram::maxBytes) {
        ShowError(m_prompts, LanTexts::chatTooLong(int(bytes.size()), Datagram::maxBytes));
        return false;
    }
    NMUDP.send(bytes, targetIP, [this](const QString& failure) { reportFailure(failure); });
    emit chatLogged(QLatin1Char('(') + now() + QStringLiteral(")你对") + quote + contactName + quote
        + QStringLiteral("说： ") + cr + text);
    return true;
}

bool LanSession::sendOffer(const QString& path, const QString& targetIP)
{
    // One file goes out at a time; the window's disabled send button normally keeps to that.
    if (m_sending) {
        ShowError(m_prompts, LanTexts::transferBusy());
        return false;
    }
    const QFileInfo file(path);
    if (!file.isFile() || !file.isReadable()) {
        ShowError(m_prompts, LanTexts::notAFile(path));
        return false;
    }
    if (file.size() > StreamHeader::maxSize) {
        ShowError(m_prompts, LanTexts::fileTooLarge(path));
        return false;
    }
    const QByteArray bytes = Datagram::offer(path);
    if (bytes.size() > Datagram::maxBytes) {
        ShowError(m_prompts, LanTexts::pathTooLong());
        return false;
    }
    m_pending = PendingOffer { targetIP, path, file.size() };
    setSendEnabled(false);
    NMUDP.send(bytes, targetIP, [this](const QString&) {
        m_pending.reset();
        setSendEnabled(true);
        m_queue.post([this] { ShowError(m_prompts, LanTexts::offerFailed()); }, false);
    });
    return true;
}

void LanSession::OfferReceived(const QByteArray& bytes, const QString& fromIP)
{
    m_queue.post([this, bytes, fromIP] {
        const QString question = QStringLiteral("用户 ") + fromIP + QStringLiteral(" 欲向您传送一文件，相关内容如下：")
            + cr + cr + CodePage::decode(bytes) + cr + cr + QStringLiteral("请问是否同意接收？");
        QString accepted;
        if (m_prompts.confirm(question, LanTexts::offerCaption(), Prompts::Icon::Question)) {
            const QString name = Datagram::offeredName(bytes);
            const QString destination = name.isEmpty() ? QString() : askDestination(name);
            if (name.isEmpty())
                ShowError(m_prompts, LanTexts::invalidFileName());
            if (!destination.isEmpty()) {
                m_accepted.add(fromIP, destination);
                accepted = name;
            }
        }
        m_offeredName = accepted;
        NMUDP.send(
            Datagram::answer(!accepted.isEmpty()), fromIP, [this](const QString& failure) { reportFailure(failure); });
    });
}

QString LanSession::askDestination(const QString& name)
{
    const QString chosen = m_prompts.saveFileName(
        LanTexts::saveDialogTitle(), QDir(m_saveFolder).filePath(name), LanTexts::saveDialogFilter());
    if (chosen.isEmpty()) {
        ShowError(m_prompts, LanTexts::invalidFileName());
        return {};
    }
    // Whatever name was typed, the file keeps the offered one, in the folder chosen.
    const QDir folder = QFileInfo(chosen).absoluteDir();
    const QString destination = folder.filePath(name);
    if (QFileInfo::exists(destination)
        && !m_prompts.confirm(
            LanTexts::replaceExisting(destination), LanTexts::replaceCaption(), Prompts::Icon::Question))
        return {};
    m_saveFolder = folder.path();
    return destination;
}

void LanSession::OfferAnswered(const QByteArray& bytes, const QString& fromIP)
{
    // Only the answer to our waiting offer, from where it went, counts.
    if (!m_pending || m_pending->target != fromIP)
        return;
    const PendingOffer offer = *m_pending;
    m_pending.reset();
    if (!Datagram::isAccept(bytes)) {
        m_queue.post(
            [this, fromIP] {
                m_prompts.notice(QStringLiteral("用户 ") + fromIP + QStringLiteral(" 不同意接收文件！"),
                    LanTexts::answerCaption(), Prompts::Icon::Warning);
                setSendEnabled(true);
            },
            false);
        return;
    }
    m_sending = offer;
    m_queue.post(
        [this, fromIP] {
            m_prompts.notice(QStringLiteral("用户 ") + fromIP + QStringLiteral(" 同意接收文件！"),
                LanTexts::answerCaption(), Prompts::Icon::Information);
            startTransfer(fromIP);
        },
        false);
}

// ---- stream, sending side

void LanSession::startTransfer(const QString& peer)
{
    // The stream goes to the address that accepted, not to a lookup of the contact's name.
    Strm.SendFileStream(peer, m_sending->path, m_sending->size);
}

void LanSession::StrmHostResolved()
{
    status(LanTexts::hostResolved());
}

void LanSession::StrmInvalidHost(const QString& host)
{
    status(LanTexts::hostInvalid());
    m_queue.post([this, host] { ShowError(m_prompts, LanTexts::streamInvalidHost(host)); }, false);
}

void LanSession::StrmConnect()
{
    status(LanTexts::connectOk());
}

void LanSession::StrmConnectionFailed()
{
    status(LanTexts::connectFailed());
    m_queue.post([this] { ShowError(m_prompts, LanTexts::streamConnectFailed()); }, false);
}

void LanSession::StrmPacketSent(qint64 position, qint64 size)
{
    setPanelEnabled(false);
    setGauge(size, position);
}

void LanSession::StrmDisconnect()
{
    status(LanTexts::disconnected());
}

void LanSession::StrmFinished(bool ok, const QString& failure)
{
    const QString peer = m_sending ? m_sending->target : QString();
    m_sending.reset();
    m_queue.post(
        [this, ok, failure, peer] {
            if (ok)
                m_prompts.notice(QStringLiteral("向用户 ") + peer + QStringLiteral(" 传送文件成功！"),
                    LanTexts::resultCaption(), Prompts::Icon::Information);
            else if (!failure.isEmpty())
                m_prompts.error(failure);
            setGauge(0, 0);
            setPanelEnabled(true);
            setSendEnabled(true);
        },
        false);
}

// ---- stream, receiving side

void LanSession::StrmServMSG(const QString& destination)
{
    m_queue.post(
        [this, destination] {
            m_prompts.notice(LanTexts::fileReceived(), LanTexts::savedCaption(), Prompts::Icon::Information);
            emit fileReceived(destination);
            setGauge(0, 0);
            setPanelEnabled(true);
        },
        false);
}

void LanSession::StrmServFailed(const QString& text)
{
    m_queue.post([this, text] { ShowError(m_prompts, text); }, false);
}

void LanSession::StrmServDisconnect()
{
    status(LanTexts::servedClosed());
}

// ---- window state

QString LanSession::now() const
{
    return longTime(m_clock.now().time());
}

void LanSession::status(const QString& suffix)
{
    emit statusChanged(m_clock.now().toString(QStringLiteral("HH:mm:ss")) + suffix);
}

void LanSession::setSendEnabled(bool enabled)
{
    m_sendEnabled = enabled;
    emit sendEnabledChanged(enabled);
}

void LanSession::setPanelEnabled(bool enabled)
{
    if (m_panelEnabled == enabled)
        return;
    m_panelEnabled = enabled;
    emit panelEnabledChanged(enabled);
}

void LanSession::setGauge(qint64 maximum, qint64 position)
{
    const auto [max, pos] = gaugeRange(maximum, position);
    emit gaugeChanged(max, pos);
}
