#include "platform/gui/QtSoundService.h"

#include <QEvent>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Notes whether the sound player existed when the window was first painted.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(const QtSoundService& sounds) : m_sounds(sounds) {}
    bool painted = false;
    bool playerAtPaint = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            playerAtPaint = m_sounds.playerMade();
        }
        return false;
    }

private:
    const QtSoundService& m_sounds;
};

TEST(QtSound, PlayerIsMadeForTheFirstSoundAfterTheWindowIsPainted)
{
    QtSoundService sounds;
    EXPECT_FALSE(sounds.playerMade());

    // The start sound is asked for before the window is shown.
    sounds.play(QStringLiteral("/nonexistent/start.wav"));
    EXPECT_FALSE(sounds.playerMade());
    QWidget window;
    FirstPaint paint(sounds);
    window.installEventFilter(&paint);
    window.resize(200, 100);
    window.show();

    EXPECT_TRUE(QTest::qWaitFor([&] { return sounds.playerMade(); }, 20000));
    EXPECT_TRUE(paint.painted);
    EXPECT_FALSE(paint.playerAtPaint);

    // Later sounds go to the same player at once.
    sounds.play(QStringLiteral("/nonexistent/click.wav"));
    EXPECT_TRUE(sounds.playerMade());
}

TEST(QtSound, ServiceGoneBeforeItsPlayerWasMadeIsNoFault)
{
    {
        QtSoundService sounds;
        sounds.play(QStringLiteral("/nonexistent/start.wav"));
    }
    QTest::qWait(50); // the idle loop finds nothing left to do
    SUCCEED();
}

// A short mono wave file of silence; format 1 is PCM.
QByteArray waveFile(quint16 format = 1, quint32 dataBytes = 1600)
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

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Sounds play without waiting for a window once the first one has started.
void makeReady(QtSoundService& sounds, const QString& firstSound)
{
    sounds.play(firstSound);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sounds.playerMade(); }, 20000));
}

bool loads(QSoundEffect* effect, QSoundEffect::Status status)
{
    return effect && QTest::qWaitFor([&] { return effect->status() == status; }, 5000);
}

// Qt's sample cache, ended with the process, would wait for ever on a load
// still in progress: the service ends only once its sounds are loaded.
TEST(QtSound, ServiceEndsOnlyOnceItsSoundsAreLoaded)
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.wav"));
    const QString big = dir.filePath(QStringLiteral("big.wav"));
    writeFile(first, waveFile());
    writeFile(big, waveFile(1, 4000000));
    auto sounds = std::make_unique<QtSoundService>();
    makeReady(*sounds, first);
    sounds->play(big);
    QSoundEffect* effect = sounds->effectFor(big);
    ASSERT_NE(effect, nullptr);
    QSoundEffect::Status last = effect->status();
    QObject::connect(effect, &QSoundEffect::statusChanged, [&] { last = effect->status(); });
    sounds.reset();
    EXPECT_NE(last, QSoundEffect::Loading);
}

// A cut-off or foreign file would keep QSoundEffect loading for ever, and the
// release of any effect after it (at the latest when the program ends) would
// wait for that load: the service must end without hanging.
TEST(QtSound, FileThatIsNoCompleteWaveStaysSilentAndTheNextSoundPlays)
{
    QTemporaryDir dir;
    QByteArray cutInData = waveFile();
    cutInData.chop(100);
    QByteArray dataBeforeFormat = waveFile();
    dataBeforeFormat.remove(12, 24); // the "fmt " chunk
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty.wav", QByteArray()},
        {"text.wav", QByteArray("not a sound")},
        {"header.wav", waveFile().left(20)},
        {"cut.wav", cutInData},
        {"noformat.wav", dataBeforeFormat},
        {"tune.mid", QByteArray("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14)},
    };
    QtSoundService sounds;
    makeReady(sounds, dir.filePath(QStringLiteral("missing.wav")));
    EXPECT_EQ(sounds.effectFor(dir.filePath(QStringLiteral("missing.wav"))), nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        writeFile(path, c.bytes);
        sounds.play(path);
        EXPECT_EQ(sounds.effectFor(path), nullptr);
    }

    // Complete, but not a format QSoundEffect plays (MPEG audio).
    const QString foreign = dir.filePath(QStringLiteral("mpeg.wav"));
    writeFile(foreign, waveFile(0x55));
    sounds.play(foreign);
    EXPECT_TRUE(loads(sounds.effectFor(foreign), QSoundEffect::Error));

    const QString good = dir.filePath(QStringLiteral("good.wav"));
    writeFile(good, waveFile());
    sounds.play(good);
    EXPECT_TRUE(loads(sounds.effectFor(good), QSoundEffect::Ready));
}

TEST(QtSound, FileMendedAfterItFailedPlaysNextTime)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("alert.wav"));
    writeFile(path, QByteArray("not a sound"));
    QtSoundService sounds;
    makeReady(sounds, path);
    EXPECT_EQ(sounds.effectFor(path), nullptr);

    writeFile(path, waveFile());
    sounds.play(path);
    EXPECT_TRUE(loads(sounds.effectFor(path), QSoundEffect::Ready));
}

} // namespace
