// The console's court on the venue's broker: state after every change, the finished match,
// and a small mark for the connection.
#include "console/Messages.h"
#include "console/ui/ConsoleWindow.h"
#include "live/Broadcast.h"
#include "platform/Dialogs.h"
#include "platform/Folders.h"
#include "platform/Platform.h"
#include "shared/SettingsTable.h"
#include "shared/UserData.h"
#include "venue/BrokerOptions.h"
#include "venue/CourtPublisher.h"

#include <QDir>
#include <QLabel>
#include <QSysInfo>
#include <QTimer>

void ConsoleWindow::startVenue() {
    // Started again after the options: the old connection says goodbye first.
    court_.reset();
    state_.VenueLink.clear();
    if (venueMark != nullptr) {
        venueMark->hide();
    }
    const Settings& settings = platform_.settings;
    const MqttOptions options = BrokerOptions(settings);
    if (platform_.mqtt == nullptr || options.host.isEmpty()) {
        return;
    }
    QString court = ReadText(settings, Setting::Court).trimmed();
    if (court.isEmpty()) {
        court = QSysInfo::machineHostName();
    }
    court_ = std::make_unique<CourtPublisher>(
        *platform_.mqtt, ReadText(settings, Setting::Venue), court,
        QDir(platform_.folders.User()).filePath(QStringLiteral("Outbox")));
    if (venueMark == nullptr) {
        venueMark = new QLabel(this);
        venueMark->setAlignment(Qt::AlignCenter);
    }
    venueMark->setGeometry(width() - 22, 2, 18, 18);
    venueMark->show();
    connect(court_.get(), &CourtPublisher::StateChanged, this, [this] { showVenueState(); });
    connect(court_.get(), &CourtPublisher::ResultKept, this,
            [this](const QString& folder, const QString& reason) {
                platform_.dialogs.Notice(common_.Translate(ConsoleMessages::ResultKept) +
                                         QStringLiteral("\n\n") + QDir::toNativeSeparators(folder) +
                                         QStringLiteral(": ") + reason);
            });
    court_->Start(options);
    showVenueState();
    publishCourt();
}

void ConsoleWindow::publishCourt() {
    if (!court_ || courtPending_) {
        return;
    }
    // Changes of one click go out as one message.
    courtPending_ = true;
    QTimer::singleShot(0, this, [this] {
        courtPending_ = false;
        court_->PublishState(live_->StateJson());
    });
}

void ConsoleWindow::showVenueState() {
    auto t = [this](const char* text) { return common_.Translate(QString::fromUtf8(text)); };
    QString colour = QStringLiteral("#f9a825");
    QString text = t("in collegamento…");
    switch (court_->State()) {
    case MqttState::Connected:
        colour = QStringLiteral("#2e7d32");
        text = t("collegato");
        break;
    case MqttState::Refused:
        colour = QStringLiteral("#c62828");
        text = t("rifiutato:") + u' ' + court_->Reason();
        break;
    case MqttState::Off:
        colour = QStringLiteral("#777777");
        text = t("spento");
        break;
    case MqttState::Connecting:
        break;
    }
    venueMark->setGeometry(width() - 22, 2, 18, 18);
    venueMark->setStyleSheet(QStringLiteral("color:") + colour +
                             QStringLiteral(";font-size:14px;"));
    venueMark->setText(QStringLiteral("●"));
    state_.VenueLink = t("Impianto %1: %2").arg(court_->Court(), text);
    venueMark->setToolTip(state_.VenueLink);
}

QString ConsoleWindow::venueState() const {
    return court_ ? state_.VenueLink : QString();
}
