#include "options/ui/VenueBox.h"

#include "shared/CommonSettings.h"
#include "shared/SettingsTable.h"
#include "shared/ui/Drawing.h"

#include <QSysInfo>

VenueBox::VenueBox(const CommonSettings& common, std::function<QString()> state, QWidget* parent)
    : QGroupBox(parent), state_(std::move(state)) {
    auto t = [&common](const char* text) { return common.Translate(QString::fromUtf8(text)); };
    setTitle(t("Torneo: server MQTT dei campi (vuoto = spento)"));
    auto caption = [this](const QString& text, int left, int top, int width) {
        auto* l = new QLabel(text, this);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Place(l, left, top, width, 315);
    };
    caption(t("Server :"), 60, 300, 1100);
    hostBox = new QLineEdit(this);
    Place(hostBox, 1200, 270, 2600, 375);
    caption(t("Porta :"), 3900, 300, 700);
    portBox = new QSpinBox(this);
    portBox->setRange(1, 65535);
    Place(portBox, 4650, 270, 1100, 375);
    tlsCheck = new QCheckBox(QStringLiteral("TLS"), this);
    Place(tlsCheck, 5900, 270, 900, 375);
    caFileBox = new QLineEdit(this);
    caFileBox->setPlaceholderText(t("File CA"));
    Place(caFileBox, 6850, 270, 2600, 375);
    caption(t("Utente :"), 60, 720, 1100);
    userBox = new QLineEdit(this);
    Place(userBox, 1200, 690, 2600, 375);
    caption(t("Password :"), 3900, 720, 1100);
    passwordBox = new QLineEdit(this);
    passwordBox->setEchoMode(QLineEdit::Password);
    Place(passwordBox, 5050, 690, 4400, 375);
    caption(t("Sede :"), 60, 1140, 1100);
    venueBox = new QLineEdit(this);
    Place(venueBox, 1200, 1110, 2600, 375);
    caption(t("Campo :"), 3900, 1140, 1100);
    courtBox = new QLineEdit(this);
    courtBox->setPlaceholderText(QSysInfo::machineHostName());
    Place(courtBox, 5050, 1110, 4400, 375);
    stateLabel = new QLabel(this);
    Place(stateLabel, 180, 1530, 9200, 315);
    refresh_.setInterval(500);
    connect(&refresh_, &QTimer::timeout, this, [this] {
        const QString now = state_ ? state_() : QString();
        stateLabel->setText(now.isEmpty() ? QStringLiteral("—") : now);
    });
    refresh_.start();
}

void VenueBox::Load(const Settings& settings) {
    hostBox->setText(ReadText(settings, Setting::MqttHost));
    portBox->setValue(ReadNumber(settings, Setting::MqttPort));
    userBox->setText(ReadText(settings, Setting::MqttUser));
    passwordBox->setText(ReadText(settings, Setting::MqttPassword));
    tlsCheck->setChecked(ReadFlag(settings, Setting::MqttTls));
    caFileBox->setText(ReadText(settings, Setting::MqttCaFile));
    venueBox->setText(ReadText(settings, Setting::Venue));
    courtBox->setText(ReadText(settings, Setting::Court));
    const QString now = state_ ? state_() : QString();
    stateLabel->setText(now.isEmpty() ? QStringLiteral("—") : now);
}

void VenueBox::Save(Settings& settings) const {
    WriteText(settings, Setting::MqttHost, hostBox->text().trimmed());
    WriteNumber(settings, Setting::MqttPort, portBox->value());
    WriteText(settings, Setting::MqttUser, userBox->text());
    WriteText(settings, Setting::MqttPassword, passwordBox->text());
    WriteFlag(settings, Setting::MqttTls, tlsCheck->isChecked());
    WriteText(settings, Setting::MqttCaFile, caFileBox->text().trimmed());
    WriteText(settings, Setting::Venue, venueBox->text().trimmed());
    WriteText(settings, Setting::Court, courtBox->text().trimmed());
}
