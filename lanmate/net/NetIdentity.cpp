#include "lanmate/net/NetIdentity.h"

#include "lanmate/net/NetUnit.h"

NetIdentity NetIdentity::detect()
{
    NetIdentity identity;
    identity.LocalIP = NetUnit::GetLocalIP();
    identity.LocalName = NetUnit::GetLocalName();
    identity.BroadcastIP = NetUnit::MakeBroadcastIP(identity.LocalIP);
    identity.InterfaceBroadcasts = NetUnit::interfaceBroadcasts();
    return identity;
}

bool NetIdentity::hasAddress() const
{
    return NetUnit::isDottedIPv4(LocalIP);
}
