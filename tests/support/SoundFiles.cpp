#include "tests/support/SoundFiles.h"

QByteArray waveFile(quint16 format, quint32 dataBytes)
{
    QByteArray b;
    const auto u32 = [&b](quint32 v) {
        for (int i = 0; i < 4; ++i)
            b.append(char((v >> (8 * i)) & 0xFF));
    };
    const auto u16 = [&b](quint16 v) {
        b.append(char(v & 0xFF));
        b.append(char(v >> 8));
    };
    b.append("RIFF");
    u32(36 + dataBytes);
    b.append("WAVEfmt ");
    u32(16);
    u16(format);
    u16(1);      // channels
    u32(8000);   // samples a second
    u32(16000);  // bytes a second
    u16(2);      // bytes a frame
    u16(16);     // bits a sample
    b.append("data");
    u32(dataBytes);
    b.append(QByteArray(dataBytes, '\0'));
    return b;
}

QByteArray midiFile()
{
    QByteArray track;
    track.append("\x00\xC0\x00", 3); // piano
    for (const int note : {60, 64, 67}) {
        track.append("\x00\x90", 2);
        track.append(char(note));
        track.append("\x64\x60\x80", 3); // 96 ticks (half a second) later
        track.append(char(note));
        track.append('\0');
    }
    track.append("\x00\xFF\x2F\x00", 4); // end of track
    QByteArray b("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14); // one track, 96 ticks a beat
    b.append("MTrk");
    for (int i = 3; i >= 0; --i)
        b.append(char((track.size() >> (8 * i)) & 0xFF));
    return b + track;
}
