#include "report/ui/ReportPackage.h"
#include "platform/FileSync.h"
#include "shared/FileText.h"

#include "match/Match.h"
#include "shared/Language.h"
#include "shared/SetLabel.h"
#include "shared/ui/Drawing.h"
#include "shared/ui/Images.h"
#include "teams/Teams.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

namespace {

const QString Font = QStringLiteral("Tahoma");
const char* const Captions[5] = {"N.S.", "Ace", "Muro", "Schiacc.", "Pallon."};

QImage Logo(const QString& dataFolder, const QString& team, int side) {
    const QString folder = TeamFolder(dataFolder, team);
    return folder.isEmpty() ? QImage()
                            : DecodeImage(QDir(folder).filePath(QStringLiteral("logo.jpg")), side);
}

QString Partial(const ReportSet& s) {
    return QStringLiteral("%1-%2").arg(s.Final[0]).arg(s.Final[1]);
}

QColor Colour(std::uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// A page painter in points (1/72 inch) whatever the device's resolution.
class Page {
  public:
    Page(QPainter& p, qreal scale) : p_(p), s_(scale) {}
    void Text(qreal x, qreal y, qreal w, qreal h, const QString& t, qreal points, bool bold = false,
              Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter) {
        QFont f = Character(Font, points, bold);
        f.setPointSizeF(points);
        p_.setFont(f);
        p_.setPen(Qt::black);
        p_.drawText(R(x, y, w, h), static_cast<int>(a) | Qt::TextWordWrap, t);
    }
    QRectF R(qreal x, qreal y, qreal w, qreal h) const { return {x * s_, y * s_, w * s_, h * s_}; }
    QPointF P(qreal x, qreal y) const { return {x * s_, y * s_}; }
    qreal S(qreal v) const { return v * s_; }
    QPainter& p_;

  private:
    qreal s_;
};

void Chart(Page& g, const ReportSet& s, qreal x, qreal y, qreal w, qreal h) {
    QPainter& p = g.p_;
    const int swaps = std::max<int>(1, static_cast<int>(s.Progression.size()));
    int max = 5;
    for (const auto& points : s.Progression) {
        max = std::max({max, points[0], points[1]});
    }
    const auto px = [&](int swap) { return x + w * swap / swaps; };
    const auto py = [&](int points) { return y + h - h * points / (max + 1.0); };
    p.setPen(QPen(QColor(200, 200, 200), g.S(0.5)));
    for (int v = 5; v <= max; v += 5) {
        p.drawLine(g.P(x, py(v)), g.P(x + w, py(v)));
        g.Text(x - 22, py(v) - 6, 18, 12, QString::number(v), 7, false,
               Qt::AlignRight | Qt::AlignVCenter);
    }
    p.setPen(QPen(Qt::black, g.S(0.8)));
    p.drawLine(g.P(x, y + h), g.P(x + w, y + h));
    p.drawLine(g.P(x, y), g.P(x, y + h));
    for (int side = 0; side < 2; ++side) {
        QPainterPath line(g.P(x, py(0)));
        for (size_t i = 0; i < s.Progression.size(); ++i) {
            line.lineTo(g.P(px(static_cast<int>(i) + 1), py(s.Progression[i][side])));
        }
        // Solid for home, dashed for guests: the chart reads the same printed in grey.
        QPen pen(side == 0 ? QColor(20, 20, 20) : QColor(90, 90, 90), g.S(side == 0 ? 1.8 : 1.4));
        pen.setStyle(side == 0 ? Qt::SolidLine : Qt::DashLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
    }
    for (const TimeoutCall& t : s.Times) {
        const qreal cx = px(t.RalliesBefore);
        QPainterPath triangle(g.P(cx, y + h - 1));
        triangle.lineTo(g.P(cx - 3.5, y + h + 6));
        triangle.lineTo(g.P(cx + 3.5, y + h + 6));
        triangle.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawPath(triangle);
        g.Text(cx - 6, y + h + 6, 12, 10, t.Side == 0 ? QStringLiteral("H") : QStringLiteral("G"),
               6.5, true, Qt::AlignCenter);
    }
}

QByteArray Pdf(const Match& match, const Report& r, const LanguageTable& languages,
               const QString& data) {
    const auto t = [&languages](const char* text) {
        return languages.Translate(QString::fromUtf8(text));
    };
    QByteArray byte;
    QBuffer buffer(&byte);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(36, 36, 36, 36), QPageLayout::Point);
    pdf.setResolution(300);
    pdf.setTitle(r.Teams[0].Name + QStringLiteral(" - ") + r.Teams[1].Name);
    pdf.setCreator(QStringLiteral("Brivanta"));
    QPainter painter(&pdf);
    Page g(painter, 300.0 / 72.0);
    const qreal width = 523; // A4 less the margins, in points

    // Page 1: the teams, the result, and how each set went.
    for (int k = 0; k < 2; ++k) {
        const QImage logo = Logo(data, match.TeamName[k], 240);
        if (!logo.isNull()) {
            painter.drawImage(g.R(k == 0 ? 0 : width - 56, 0, 56, 56), logo);
        }
    }
    g.Text(64, 0, width - 128, 30, r.Teams[0].Name + QStringLiteral("  -  ") + r.Teams[1].Name, 17,
           true, Qt::AlignCenter);
    g.Text(64, 30, width - 128, 14,
           r.Date.isValid() ? r.Date.toString(QStringLiteral("dd/MM/yyyy")) : QString(), 9, false,
           Qt::AlignCenter);
    g.Text(0, 62, width, 34, QStringLiteral("%1 - %2").arg(r.SetsWon[0]).arg(r.SetsWon[1]), 26,
           true, Qt::AlignCenter);
    QStringList partials;
    for (const ReportSet& s : r.Set) {
        if (s.Winner >= 0) {
            partials << OrdinalSetLabel(languages.CurrentLanguage, s.Number) + u' ' + Partial(s);
        }
    }
    g.Text(0, 98, width, 14, partials.join(QStringLiteral("     ")), 10, false, Qt::AlignCenter);
    g.Text(0, 114, width, 12,
           QStringLiteral("——  ") + r.Teams[0].Name + QStringLiteral("      - - -  ") +
               r.Teams[1].Name + QStringLiteral("      ▲ H / G  ") + t("Tempo"),
           8, false, Qt::AlignCenter);
    QStringList withoutRoster;
    for (const ReportTeam& q : r.Teams) {
        if (!q.AvailableRoster) {
            withoutRoster << q.Name;
        }
    }
    if (!withoutRoster.isEmpty()) {
        g.Text(0, 126, width, 12,
               t("Rosa non disponibile, atleti indicati per numero:") + u' ' +
                   withoutRoster.join(QStringLiteral(", ")),
               8, false, Qt::AlignCenter);
    }
    qreal y = 140;
    const qreal height = 92;
    for (const ReportSet& s : r.Set) {
        g.Text(0, y, 330, 12, OrdinalSetLabel(languages.CurrentLanguage, s.Number), 10, true);
        Chart(g, s, 26, y + 16, 300, height - 28);
        QStringList lines;
        if (s.Winner >= 0) {
            lines << t("Vince") + QStringLiteral(": ") + r.Teams[s.Winner].Name +
                         QStringLiteral(" ") + Partial(s);
        } else {
            lines << t("In corso") + QStringLiteral(" ") + Partial(s);
        }
        lines << t("Serie più lunga") + QStringLiteral(": ") + QString::number(s.MaxSeries[0]) +
                     QStringLiteral(" / ") + QString::number(s.MaxSeries[1]);
        if (s.Minutes) {
            lines << t("Durata") + QStringLiteral(": ") + QString::number(*s.Minutes) +
                         QStringLiteral(" min");
        }
        for (int k = 0; k < 2; ++k) {
            if (!s.Best[k].isEmpty()) {
                lines << r.Teams[k].Name + QStringLiteral(": ") + s.Best[k].first();
            }
        }
        g.Text(345, y + 14, width - 345, height - 14, lines.join(u'\n'), 8.5);
        y += height + 26;
    }

    // Then each team: every athlete's points by type, opponent errors, best scorers.
    for (int k = 0; k < 2; ++k) {
        pdf.newPage();
        const ReportTeam& q = r.Teams[k];
        g.Text(0, 0, width, 24, q.Name, 16, true);
        const qreal columns[9] = {0, 36, 200, 250, 300, 345, 390, 440, 490};
        QStringList headers{QStringLiteral("N."), t("Cognome"), t("Punti")};
        for (const char* d : Captions) {
            headers << t(d);
        }
        qreal line = 34;
        painter.fillRect(g.R(0, line, width, 16), QColor(225, 225, 225));
        for (int c = 0; c < 8; ++c) {
            g.Text(columns[c] + 3, line, columns[c + 1] - columns[c] - 3, 16, headers[c], 9, true,
                   c < 2 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        }
        line += 18;
        for (const SummaryLine& a : q.Athletes) {
            QStringList cells{a.Number, a.Surname, QString::number(a.Total)};
            for (int type = 0; type < 5; ++type) {
                cells << QString::number(a.ByType[type]);
            }
            for (int c = 0; c < 8; ++c) {
                g.Text(columns[c] + 3, line, columns[c + 1] - columns[c] - 3, 14, cells[c], 9,
                       c == 2, c < 2 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            }
            painter.setPen(QPen(QColor(210, 210, 210), g.S(0.5)));
            painter.drawLine(g.P(0, line + 15), g.P(width, line + 15));
            line += 16;
        }
        line += 12;
        g.Text(0, line, width, 14,
               t("Errori avversari") + QStringLiteral(": ") + QString::number(q.OpponentErrors), 10,
               true);
        line += 22;
        g.Text(0, line, width, 14, t("Migliori marcatori della partita"), 11, true);
        line += 16;
        g.Text(10, line, width - 10, 14, q.Best.join(QStringLiteral(",  ")), 10);
        line += 22;
        for (const ReportSet& s : r.Set) {
            g.Text(10, line, width - 10, 14,
                   OrdinalSetLabel(languages.CurrentLanguage, s.Number) + QStringLiteral(":  ") +
                       s.Best[k].join(QStringLiteral(",  ")),
                   9.5);
            line += 16;
        }
    }
    painter.end();
    return byte;
}

QByteArray Csv(const Match& match, const LanguageTable& languages) {
    // UTF-8 with its mark, ";" and CR LF: a spreadsheet opens it right in any language.
    return QByteArray("\xEF\xBB\xBF") +
           PlayByPlayLines(match, languages).join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

QByteArray Png(const Match& match, const Report& r, const PanelColours& colours,
               const QString& data) {
    QImage card(1080, 1080, QImage::Format_RGB32);
    card.fill(Colour(colours[Background]));
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor displayText = Colour(ReadableText(colours[Background]));
    const auto write = [&](const QRect& where, const QString& text, qreal points,
                           const QColor& colour, bool bold = true) {
        QFont f = Character(Font, points, bold);
        f.setPixelSize(static_cast<int>(points));
        painter.setFont(f);
        painter.setPen(colour);
        painter.drawText(where, Qt::AlignCenter | Qt::TextWordWrap, text);
    };
    for (int k = 0; k < 2; ++k) {
        const int x = k == 0 ? 60 : 560;
        painter.fillRect(QRect(x, 80, 460, 560), Colour(colours[k == 0 ? HomeName : GuestsName]));
        const QImage logo = Logo(data, match.TeamName[k], 260);
        if (!logo.isNull()) {
            painter.drawImage(QRect(x + 100, 110, 260, 260), logo);
        }
        const QColor text = Colour(colours[k == 0 ? HomeText : GuestsText]);
        write(QRect(x + 10, 380, 440, 120), r.Teams[k].Name, 50, text);
        write(QRect(x + 10, 500, 440, 130), QString::number(r.SetsWon[k]), 120, text);
    }
    QStringList partials;
    for (const ReportSet& s : r.Set) {
        if (s.Winner >= 0) {
            partials << Partial(s);
        }
    }
    write(QRect(40, 670, 1000, 70), partials.join(QStringLiteral("   ")), 46, displayText);
    for (int k = 0; k < 2; ++k) {
        if (!r.Teams[k].Best.isEmpty()) {
            write(QRect(k == 0 ? 60 : 560, 760, 460, 110),
                  QStringLiteral("★ ") + r.Teams[k].Best.first(), 36, displayText, false);
        }
    }
    write(QRect(40, 900, 1000, 60),
          r.Date.isValid() ? r.Date.toString(QStringLiteral("dd/MM/yyyy")) : QString(), 34,
          displayText, false);
    write(QRect(40, 980, 1000, 50), QStringLiteral("Brivanta"), 28, displayText);
    painter.end();
    QByteArray byte;
    QBuffer buffer(&byte);
    buffer.open(QIODevice::WriteOnly);
    card.save(&buffer, "PNG");
    return byte;
}

} // namespace

PackageFile PreparePackage(const Match& match, const Report& r, const LanguageTable& languages,
                           const PanelColours& colours, const QString& dataFolder) {
    return {Pdf(match, r, languages, dataFolder), Csv(match, languages),
            Png(match, r, colours, dataFolder)};
}

QString WritePackage(const QString& folder, const PackageFile& file) {
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isWritable()) {
        return folder;
    }
    // All three aside first, then the three renames: a full disk never mixes a new report with
    // an old card.
    const QByteArray* contents[3] = {&file.Pdf, &file.Csv, &file.Png};
    QStringList aside;
    const auto removeAside = [&aside] {
        for (const QString& path : aside) {
            QFile::remove(path);
        }
    };
    for (int i = 0; i < 3; ++i) {
        aside << QDir(folder).filePath(u'.' + PackageNames[i] + QStringLiteral(".new"));
        if (QString reason; !WriteWholeFile(aside[i], *contents[i], &reason)) {
            removeAside();
            return QDir(folder).filePath(PackageNames[i]) + QStringLiteral(": ") + reason;
        }
    }
    for (int i = 0; i < 3; ++i) {
        const QString path = QDir(folder).filePath(PackageNames[i]);
        if (const QString reason = RenameOver(aside[i], path); !reason.isEmpty()) {
            removeAside();
            return path + QStringLiteral(": ") + reason;
        }
    }
    if (const QString reason = SyncFolder(folder); !reason.isEmpty()) {
        return folder + QStringLiteral(": ") + reason;
    }
    return {};
}
