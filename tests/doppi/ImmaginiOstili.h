#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <vector>

// Files that claim to be pictures and are not, or not the kind anyone should decode whole.
namespace ostili {

inline QByteArray Jpeg(int larghezza, int altezza) {
    QImage immagine(larghezza, altezza, QImage::Format_RGB32);
    immagine.fill(Qt::darkCyan);
    QByteArray dati;
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    immagine.save(&buffer, "JPG");
    return dati;
}

// A real JPEG header whose frame says 60000 x 60000.
inline QByteArray JpegEnorme() {
    QByteArray dati = Jpeg(16, 16);
    const qsizetype sof = dati.indexOf(QByteArray("\xFF\xC0", 2));
    for (int i : {5, 7}) {
        dati[sof + i] = static_cast<char>(0xEA);
        dati[sof + i + 1] = static_cast<char>(0x60);
    }
    return dati;
}

inline QByteArray JpegTroncato() {
    return Jpeg(400, 300).left(300);
}

// A 1 x 1 GIF with 10,000 frames.
inline QByteArray GifMilleFotogrammi(int fotogrammi = 10000) {
    QByteArray dati("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
    dati += QByteArray("\x00\x00\x00\xFF\xFF\xFF", 6);
    const QByteArray fotogramma("\x21\xF9\x04\x00\x01\x00\x00\x00"
                                "\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00"
                                "\x02\x02\x44\x01\x00",
                                23);
    for (int i = 0; i < fotogrammi; ++i) {
        dati += fotogramma;
    }
    dati += '\x3B';
    return dati;
}

struct Caso {
    const char* nome;
    QByteArray dati;
};

inline std::vector<Caso> Tutti() {
    return {{"zero bytes", {}},
            {"truncated JPEG", JpegTroncato()},
            {"text renamed .jpg", "questa non è una foto\r\n"},
            {"GIF with 10000 frames", GifMilleFotogrammi()},
            {"JPEG declaring 60000 x 60000", JpegEnorme()}};
}

} // namespace ostili
