#pragma once

#include <QString>
#include <QStringList>

// How this computer presents itself on the network, worked out once at start.
struct NetIdentity
{
    QString LocalIP; // dotted IPv4 address; empty when none was found
    QString LocalName; // computer name, "未知" when the system gives none
    QString BroadcastIP; // destination of the discovery probe, by address class
    // Broadcast addresses of the interfaces that are up, for subnetted networks; the probe
    // also goes to each of them that differs from BroadcastIP.
    QStringList InterfaceBroadcasts;

    // LocalIP := GetLocalIP, LocalName := GetLocalName, MakeBroadcastIP, interface broadcasts.
    static NetIdentity detect();
    // True when LocalIP is a dotted IPv4 address, so that probes and probe answers may be sent.
    bool hasAddress() const;
};
