#include "host/DesignSound.h"

#include "data/clsOptions.h"
#include "data/clsPathFunctions.h"
#include "platform/SoundService.h"

void playDesignSound(const clsOptions& options, std::uint8_t kind)
{
    if (options.Sound() != 1)
        return;
    QString path;
    switch (kind) {
    case 1: path = options.SoundClick(); break;
    case 2: path = options.SoundStart(); break;
    case 3: path = options.SoundAlert(); break;
    default: return;
    }
    if (path.isEmpty() || !clsPathFunctions::checkIfFileExists(path, 2))
        return;
    Sounds::get().play(path);
}
