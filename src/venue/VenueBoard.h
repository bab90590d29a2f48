#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>

// Everything a venue's broker says about its courts, checked: what is not the contract's is
// ignored and counted, never trusted as a name or a path.
class VenueBoard {
  public:
    static constexpr qsizetype MaxState = 64 * 1024;   // a state document is ~2 KB
    static constexpr qsizetype MaxResult = 256 * 1024; // a long five-set match file is ~20 KB
    static constexpr int MaxCourts = 256;

    explicit VenueBoard(QString venue);

    // True when the message changed what the venue shows.
    bool Accept(const QString& topic, const QByteArray& payload, const QDateTime& now);

    struct Court {
        bool online = false;
        QDateTime lastSeen;
        QJsonObject state;
    };
    struct Result {
        QString id;
        QString court;
        QString home;
        QString guests;
        int homeSets = 0;
        int guestsSets = 0;
        QStringList partials;
        QDateTime received;
        QByteArray file;
    };
    const QMap<QString, Court>& Courts() const { return courts_; }
    // Newest first.
    QList<Result> Results() const;
    // A result not seen before, for the results folder; cleared by the call.
    QList<Result> TakeNew();
    int Ignored() const { return ignored_; }
    const QString& Venue() const { return venue_; }

    QByteArray Json(const QDateTime& now) const;
    QByteArray ResultsCsv() const;

  private:
    bool AcceptState(const QString& court, const QByteArray& payload, const QDateTime& now);
    bool AcceptResult(const QString& court, const QString& id, const QByteArray& payload,
                      const QDateTime& now);
    bool Ignore();

    QString venue_;
    QMap<QString, Court> courts_;
    QMap<QString, Result> results_;
    QStringList new_;
    int ignored_ = 0;
};

// A match file's result as the venue shows it; nothing when the bytes are not a match file.
std::optional<VenueBoard::Result> ReadResult(const QByteArray& file);
