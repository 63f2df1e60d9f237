#pragma once

#include "lanmate/net/AcceptedOffers.h"
#include "lanmate/net/DatagramEndpoint.h"
#include "lanmate/net/NetIdentity.h"
#include "lanmate/net/PromptQueue.h"
#include "lanmate/net/StreamClient.h"
#include "lanmate/net/StreamServer.h"

#include <QHostAddress>
#include <QObject>
#include <QSet>

class Clock;
class Prompts;

// Where the assistant listens. The program uses the defaults; tests bind to loopback addresses
// with port 0 (the ports chosen are then read back from the session).
struct LanPorts
{
    quint16 datagram = 7070;
    quint16 stream = 7700;
    QHostAddress bindAddress = QHostAddress::Any;
};

// The assistant's side of the network without any widget: the datagram protocol (discovery,
// chat, file offers and answers) and the file transfer in both directions. The window shows
// what the signals say and calls the slots for the user's commands. Every box, question and
// file dialog goes through the prompts; those raised by the network are shown one at a time.
class LanSession final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LanSession)

public:
    LanSession(Prompts& prompts, Clock& clock, NetIdentity identity, LanPorts ports = {}, QObject* parent = nullptr);

    // Opens the datagram socket and the stream server; a port that cannot be had is reported on
    // the general error display and the session goes on without it. False when one failed.
    bool open();

    const NetIdentity& identity() const { return m_identity; }
    quint16 datagramPort() const;
    quint16 streamPort() const;
    // Name of the last accepted offer; empty after a declined one.
    const QString& OfferedName() const { return m_offeredName; }
    bool isSendEnabled() const { return m_sendEnabled; }
    bool isPanelEnabled() const { return m_panelEnabled; }
    // The queue the network's prompts wait in; the window's own dialogs take their turn in it too.
    PromptQueue& promptQueue() { return m_queue; }
    // How long a transfer may go without progress on either side (60 s).
    void setTransferTimeout(int ms);

    // The error box of the window: caption "错误了", error icon.
    static void ShowError(Prompts& prompts, const QString& text);
    // A time in the user's long time format, without a time zone.
    static QString longTime(const QTime& time);
    // A 64-bit progress as the int range of a gauge, scaled down above 2^31 - 1.
    static std::pair<int, int> gaugeRange(qint64 maximum, qint64 position);

public slots:
    // The contact list is shown: empties it and sends the discovery probe.
    void probe();
    // Sends text to targetIP as a chat datagram and logs it under contactName. False, with an
    // error box, when the datagram would be too long; the caller then keeps the text.
    bool sendChat(const QString& contactName, const QString& targetIP, const QString& text);
    // Offers the file at path to targetIP and disables the send button until the answer.
    // False, with an error box, when the file cannot be offered.
    bool sendOffer(const QString& path, const QString& targetIP);

signals:
    // The contact list is to be emptied (a new probe round starts).
    void contactsCleared();
    // A probe answer: one row with the name as caption and the address as second column.
    void contactFound(const QString& name, const QString& address);
    // One entry for the chat log, a CR between its heading and its text.
    void chatLogged(const QString& entry);
    // Panel 0 of the status bar.
    void statusChanged(const QString& text);
    // The send button.
    void sendEnabledChanged(bool enabled);
    // The input panel around the boxes and the send button.
    void panelEnabledChanged(bool enabled);
    // The progress gauge, already scaled to int.
    void gaugeChanged(int maximum, int position);
    // A received file was saved: the window empties its file box and contact box.
    void fileReceived(const QString& path);

public:
    // A datagram arrived: dispatches it by its first bytes. Called by the datagram endpoint;
    // public so that the dispatcher can be driven without a socket.
    void NMUDPDataReceived(const QByteArray& bytes, const QString& fromIP);

private:
    // Datagram side.
    void NMUDPDataSend();
    void NMUDPInvalidHost();
    void ChatReceived(const QByteArray& bytes);
    void ProbeReceived(const QString& fromIP);
    void ContactReceived(const QByteArray& bytes, const QString& fromIP);
    void OfferReceived(const QByteArray& bytes, const QString& fromIP);
    void OfferAnswered(const QByteArray& bytes, const QString& fromIP);
    // Asks where to save an accepted offer; the destination, or empty after cancel or refusal.
    QString askDestination(const QString& name);

    // Stream side.
    void startTransfer(const QString& peer);
    void StrmHostResolved();
    void StrmInvalidHost(const QString& host);
    void StrmConnect();
    void StrmConnectionFailed();
    void StrmPacketSent(qint64 position, qint64 size);
    void StrmDisconnect();
    void StrmFinished(bool ok, const QString& failure);
    void StrmServMSG(const QString& destination);
    void StrmServFailed(const QString& text);
    void StrmServDisconnect();

    void status(const QString& suffix);
    QString now() const;
    void reportFailure(const QString& text);
    void setSendEnabled(bool enabled);
    void setPanelEnabled(bool enabled);
    void setGauge(qint64 maximum, qint64 position);

    Prompts& m_prompts;
    Clock& m_clock;
    NetIdentity m_identity;
    LanPorts m_ports;
    PromptQueue m_queue;
    AcceptedOffers m_accepted;
    DatagramEndpoint NMUDP;
    StreamClient Strm;
    StreamServer StrmServ;

    // The offer we sent and wait an answer for: where it went and what was offered.
    struct PendingOffer
    {
        QString target;
        QString path;
        qint64 size = 0;
    };
    std::optional<PendingOffer> m_pending;
    std::optional<PendingOffer> m_sending;
    QSet<QString> m_roundContacts; // (address, name) seen in this probe round
    QString m_offeredName;
    QString m_saveFolder; // where the last received file was saved
    bool m_sendEnabled = true;
    bool m_panelEnabled = true;
};
