#include "platform/gui/QtSoundService.h"
#include "tests/support/SoundFiles.h"

#include <QEvent>
#include <QFile>
#include <QMediaPlayer>
#include <QPointer>
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

TEST(QtSound, MidiSoundsGoToAMediaPlayerMadeForTheFirstOfThem)
{
    QTemporaryDir dir;
    const QString wave = dir.filePath(QStringLiteral("click.wav"));
    const QString tune = dir.filePath(QStringLiteral("start.mid"));
    const QString upper = dir.filePath(QStringLiteral("ALERT.MID"));
    writeFile(wave, waveFile());
    writeFile(tune, midiFile());
    writeFile(upper, midiFile());
    auto sounds = std::make_unique<QtSoundService>();
    makeReady(*sounds, wave);
    EXPECT_TRUE(loads(sounds->effectFor(wave), QSoundEffect::Ready));
    EXPECT_EQ(sounds->midiPlayer(), nullptr) << "made for WAV sounds";

    sounds->play(tune);
    QMediaPlayer* player = sounds->midiPlayer();
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(sounds->effectFor(tune), nullptr);
    EXPECT_EQ(player->source(), QUrl::fromLocalFile(tune));
    EXPECT_EQ(player->playbackState(), QMediaPlayer::PlayingState);

    // A WAV sound cuts the MIDI sound off; the next MIDI sound, whatever the
    // case of its ending, goes to the same player.
    sounds->play(wave);
    EXPECT_EQ(player->playbackState(), QMediaPlayer::StoppedState);
    sounds->play(upper);
    EXPECT_EQ(sounds->midiPlayer(), player);
    EXPECT_EQ(player->source(), QUrl::fromLocalFile(upper));
    EXPECT_EQ(player->playbackState(), QMediaPlayer::PlayingState);

    sounds.reset(); // while it plays: ends without waiting for the sound
}

// A player that failed would hold up the window for a second at its next
// stop: it is dropped, and the next MIDI sound plays on a new one.
TEST(QtSound, MidiFileThatCannotBePlayedDropsItsPlayerAndTheNextSoundPlays)
{
    QTemporaryDir dir;
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty.mid", QByteArray()},
        {"text.mid", QByteArray("not a tune")},
        {"cut.mid", midiFile().left(20)},
    };
    QtSoundService sounds;
    makeReady(sounds, dir.filePath(QStringLiteral("missing.wav")));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        writeFile(path, c.bytes);
        sounds.play(path);
        QPointer<QMediaPlayer> failed = sounds.midiPlayer();
        ASSERT_FALSE(failed.isNull());
        EXPECT_TRUE(QTest::qWaitFor([&] { return failed.isNull(); }, 10000));
        EXPECT_EQ(sounds.midiPlayer(), nullptr);
    }

    const QString tune = dir.filePath(QStringLiteral("start.mid"));
    writeFile(tune, midiFile());
    sounds.play(tune);
    ASSERT_NE(sounds.midiPlayer(), nullptr);
    EXPECT_EQ(sounds.midiPlayer()->playbackState(), QMediaPlayer::PlayingState);
}

} // namespace
