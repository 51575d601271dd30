#pragma once

#include <QByteArray>
#include <QtGlobal>

// A short mono wave file of silence; format 1 is PCM.
QByteArray waveFile(quint16 format = 1, quint32 dataBytes = 1600);

// A standard MIDI file of one track: three notes of a piano, a second and a half in all.
QByteArray midiFile();
