#pragma once

#include <QString>
#include <QStringList>

// The addresses an operator pastes into OBS, vMix or a browser: this machine always, and every
// network address of it when the LAN may reach the server.
QStringList IndirizziLive(quint16 porta, bool lan, const QStringList& indirizziMacchina);
