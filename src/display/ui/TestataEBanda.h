#pragma once

#include <QPixmap>
#include <QString>

// What the sponsor manager may change on the display: the header logo and the sponsor band.
class TestataEBanda {
public:
    virtual ~TestataEBanda() = default;
    // The header logo from its file; false when there is none to show.
    virtual bool MostraLogoTestata(const QString& percorso) = 0;
    virtual void MostraLogoTestataPredefinito(const QPixmap& logo) = 0;
    // The layout for the band as it is now switched (on or off).
    virtual void LayoutSenzaSponsor() = 0;
    // The band switched on: its slots shown and its rotation going.
    virtual void MostraBanda() = 0;
};
