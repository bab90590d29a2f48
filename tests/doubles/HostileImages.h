#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <vector>

// Files that claim to be pictures and are not, or not the kind anyone should decode whole.
namespace hostile {

inline QByteArray Jpeg(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return data;
}

// A real JPEG header whose frame says 60000 x 60000.
inline QByteArray HugeJpeg() {
    QByteArray data = Jpeg(16, 16);
    const qsizetype sof = data.indexOf(QByteArray("\xFF\xC0", 2));
    for (int i : {5, 7}) {
        data[sof + i] = static_cast<char>(0xEA);
        data[sof + i + 1] = static_cast<char>(0x60);
    }
    return data;
}

inline QByteArray TruncatedJpeg() {
    return Jpeg(400, 300).left(300);
}

// A 1 x 1 GIF with 10,000 frames.
inline QByteArray GifThousandFrames(int frames = 10000) {
    QByteArray data("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
    data += QByteArray("\x00\x00\x00\xFF\xFF\xFF", 6);
    const QByteArray frame("\x21\xF9\x04\x00\x01\x00\x00\x00"
                           "\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00"
                           "\x02\x02\x44\x01\x00",
                           23);
    for (int i = 0; i < frames; ++i) {
        data += frame;
    }
    data += '\x3B';
    return data;
}

struct Case {
    const char* name;
    QByteArray data;
};

inline std::vector<Case> All() {
    return {{"zero bytes", {}},
            {"truncated JPEG", TruncatedJpeg()},
            {"text renamed .jpg", "questa non è una foto\r\n"},
            {"GIF with 10000 frames", GifThousandFrames()},
            {"JPEG declaring 60000 x 60000", HugeJpeg()}};
}

} // namespace hostile
