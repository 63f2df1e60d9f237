#pragma once

#include <QList>
#include <QString>

#include <optional>

// The offers this side has accepted and whose streams have not yet come: each arriving stream
// takes the oldest one from its peer's address, so two files never land under one name.
class AcceptedOffers
{
public:
    // Beyond this many, the oldest acceptance (whose stream never came) is forgotten.
    static constexpr int limit = 64;

    void add(const QString& peer, const QString& destination);
    // Removes and returns the oldest destination accepted from peer.
    std::optional<QString> take(const QString& peer);
    int count() const { return int(m_offers.size()); }

private:
    struct Offer
    {
        QString peer;
        QString destination;
    };
    QList<Offer> m_offers;
};
