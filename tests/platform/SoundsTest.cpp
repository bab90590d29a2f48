// The shipped sounds must decode with the real decoder: a broken file or a missing codec
// package fails here, not in front of an audience.
#include "platform/qt/AudioQt.h"
#include "sound/Audio.h"

#include <QAudioDecoder>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Decodes the whole file; true when at least one buffer came out and no error.
bool Decode(const QString& path) {
    QAudioDecoder decoder;
    decoder.setSource(QUrl::fromLocalFile(path));
    bool error = false;
    int buffer = 0;
    QEventLoop waiting;
    QObject::connect(&decoder, &QAudioDecoder::bufferReady, [&] {
        decoder.read();
        ++buffer;
    });
    QObject::connect(&decoder, &QAudioDecoder::finished, &waiting, &QEventLoop::quit);
    QObject::connect(&decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error),
                     [&](QAudioDecoder::Error) {
                         error = true;
                         waiting.quit();
                     });
    // A guard against a decoder that never answers, not a wait for time to pass.
    QTimer::singleShot(20000, &waiting, &QEventLoop::quit);
    decoder.start();
    waiting.exec();
    return !error && buffer > 0;
}

TEST(SoundsTest, ShippedSoundsDecode) {
    QStringList file;
    for (const char* folder : {"/Sounds", "/Teams/Aquile Volley", "/Teams/Lupi Neri"}) {
        const QDir d(QStringLiteral(BRIVANTA_DATA) + QString::fromUtf8(folder));
        for (const QString& name : d.entryList({"*.mp3", "*.wav"}, QDir::Files)) {
            file << d.filePath(name);
        }
    }
    ASSERT_GE(file.size(), 10);
    bool mp3 = false, wav = false;
    for (const QString& f : file) {
        mp3 = mp3 || f.endsWith(QStringLiteral(".mp3"));
        wav = wav || f.endsWith(QStringLiteral(".wav"));
    }
    EXPECT_TRUE(mp3 && wav);
    // One of each kind and the five cheers: enough to catch a missing codec or a bad file.
    for (const QString& f : file) {
        if (f.contains(QStringLiteral("/Sounds/")) || f.endsWith(QStringLiteral("/7.mp3")) ||
            f.endsWith(QStringLiteral("/2.wav"))) {
            EXPECT_TRUE(Decode(f)) << f.toStdString();
        }
    }
}

// Slot i plays for the console's point type i, whatever the sounds window calls the slot:
// each shipped cheer is named for the point that plays it.
TEST(SoundsTest, EachPointTypePlaysTheCheerNamedForIt) {
    const QStringList file = QDir(QStringLiteral(BRIVANTA_DATA) + QStringLiteral("/Sounds"))
                                 .entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(5, file.size());
    const char* consoleTypes[] = {"folla", "ace", "muro", "schiacciata", "pallonetto"};
    for (int type = 0; type < 5; ++type) {
        EXPECT_TRUE(file[type].contains(QString::fromLatin1(consoleTypes[type])))
            << type << " " << file[type].toStdString();
    }
}

TEST(SoundsTest, TheChannelRefusesWhatIsNotASound) {
    QTemporaryDir folder;
    const QString fake = folder.filePath(QStringLiteral("finto.mp3"));
    QFile f(fake);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("non sono un suono");
    f.close();
    QtAudioChannel channel;
    EXPECT_FALSE(channel.Open(QString()));
    EXPECT_FALSE(channel.Open(folder.filePath(QStringLiteral("manca.wav"))));
    EXPECT_FALSE(channel.Open(fake));
    const QString yes =
        QStringLiteral(BRIVANTA_DATA) + QStringLiteral("/Sounds/1_folla_e_tromba.wav");
    ASSERT_TRUE(channel.Open(yes));
    EXPECT_FALSE(channel.Open(yes)) << "a channel still open refuses another file";
    channel.Stop();
    channel.Close();
    EXPECT_TRUE(channel.Open(yes));
    channel.Close();
}

} // namespace
