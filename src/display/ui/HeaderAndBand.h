#pragma once

#include <QPixmap>
#include <QString>

// What the sponsor manager may change on the display: the header logo and the sponsor band.
class HeaderAndBand {
  public:
    virtual ~HeaderAndBand() = default;
    // The header logo from its file; false when there is none to show.
    virtual bool ShowHeaderLogo(const QString& path) = 0;
    virtual void ShowDefaultHeaderLogo(const QPixmap& logo) = 0;
    // The layout for the band as it is now switched (on or off).
    virtual void LayoutWithoutSponsor() = 0;
    // The band switched on: its slots shown and its rotation going.
    virtual void ShowBand() = 0;
};
