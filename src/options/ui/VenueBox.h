#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>
#include <functional>

class Settings;
struct CommonSettings;

// The venue's broker in the options: where it is, how to log in, and this court's name, with
// the connection's state as it is now.
class VenueBox : public QGroupBox {
    Q_OBJECT
  public:
    VenueBox(const CommonSettings& common, std::function<QString()> state, QWidget* parent);
    void Load(const Settings& settings);
    void Save(Settings& settings) const;

    QLineEdit* hostBox;
    QSpinBox* portBox;
    QLineEdit* userBox;
    QLineEdit* passwordBox;
    QCheckBox* tlsCheck;
    QLineEdit* caFileBox;
    QLineEdit* venueBox;
    QLineEdit* courtBox;
    QLabel* stateLabel;

  private:
    std::function<QString()> state_;
    QTimer refresh_;
};
