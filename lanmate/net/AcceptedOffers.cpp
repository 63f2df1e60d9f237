#include "lanmate/net/AcceptedOffers.h"

void AcceptedOffers::add(const QString& peer, const QString& destination)
{
    if (m_offers.size() >= limit)
        m_offers.removeFirst();
    m_offers.append({ peer, destination });
}

std::optional<QString> AcceptedOffers::take(const QString& peer)
{
    for (qsizetype i = 0; i < m_offers.size(); ++i)
        if (m_offers.at(i).peer == peer)
            return m_offers.takeAt(i).destination;
    return std::nullopt;
}
