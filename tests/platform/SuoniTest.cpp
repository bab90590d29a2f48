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
bool Decodifica(const QString& percorso) {
    QAudioDecoder decoder;
    decoder.setSource(QUrl::fromLocalFile(percorso));
    bool errore = false;
    int buffer = 0;
    QEventLoop attesa;
    QObject::connect(&decoder, &QAudioDecoder::bufferReady, [&] {
        decoder.read();
        ++buffer;
    });
    QObject::connect(&decoder, &QAudioDecoder::finished, &attesa, &QEventLoop::quit);
    QObject::connect(&decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error),
                     [&](QAudioDecoder::Error) {
                         errore = true;
                         attesa.quit();
                     });
    // A guard against a decoder that never answers, not a wait for time to pass.
    QTimer::singleShot(20000, &attesa, &QEventLoop::quit);
    decoder.start();
    attesa.exec();
    return !errore && buffer > 0;
}

TEST(SuoniTest, ShippedSoundsDecode) {
    QStringList file;
    for (const char* cartella : {"/Sounds", "/Teams/Aquile Volley", "/Teams/Lupi Neri"}) {
        const QDir d(QStringLiteral(BRIVANTA_DATI) + QString::fromUtf8(cartella));
        for (const QString& nome : d.entryList({"*.mp3", "*.wav"}, QDir::Files)) {
            file << d.filePath(nome);
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
            EXPECT_TRUE(Decodifica(f)) << f.toStdString();
        }
    }
}

// Slot i plays for the console's point type i, whatever the sounds window calls the slot:
// each shipped cheer is named for the point that plays it.
TEST(SuoniTest, EachPointTypePlaysTheCheerNamedForIt) {
    const QStringList file =
        QDir(QStringLiteral(BRIVANTA_DATI) + QStringLiteral("/Sounds")).entryList(QDir::Files,
                                                                                  QDir::Name);
    ASSERT_EQ(5, file.size());
    const char* tipiDellaConsole[] = {"folla", "ace", "muro", "schiacciata", "pallonetto"};
    for (int tipo = 0; tipo < 5; ++tipo) {
        EXPECT_TRUE(file[tipo].contains(QString::fromLatin1(tipiDellaConsole[tipo])))
            << tipo << " " << file[tipo].toStdString();
    }
}

TEST(SuoniTest, TheChannelRefusesWhatIsNotASound) {
    QTemporaryDir cartella;
    const QString finto = cartella.filePath(QStringLiteral("finto.mp3"));
    QFile f(finto);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("non sono un suono");
    f.close();
    CanaleAudioQt canale;
    EXPECT_FALSE(canale.Apri(QString()));
    EXPECT_FALSE(canale.Apri(cartella.filePath(QStringLiteral("manca.wav"))));
    EXPECT_FALSE(canale.Apri(finto));
    const QString vero = QStringLiteral(BRIVANTA_DATI) + QStringLiteral("/Sounds/1_folla_e_tromba.wav");
    ASSERT_TRUE(canale.Apri(vero));
    EXPECT_FALSE(canale.Apri(vero)) << "a channel still open refuses another file";
    canale.Ferma();
    canale.Chiudi();
    EXPECT_TRUE(canale.Apri(vero));
    canale.Chiudi();
}

} // namespace
