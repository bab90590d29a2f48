#pragma once

#include "platform/AudioChannel.h"

#include <QAudioOutput>
#include <QMediaPlayer>

class QtAudioChannel : public AudioChannel {
  public:
    QtAudioChannel();
    bool Open(const QString& path) override;
    bool Play() override;
    void Stop() override;
    void Close() override;

  private:
    QMediaPlayer player_;
    QAudioOutput exit_;
    bool open_ = false;
};
