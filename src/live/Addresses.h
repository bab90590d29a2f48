#pragma once

#include <QString>
#include <QStringList>

// The addresses an operator pastes into OBS, vMix or a browser: this machine always, and every
// network address of it when the LAN may reach the server.
QStringList LiveAddresses(quint16 port, bool lan, const QStringList& machineAddresses);
