#pragma once

#include "platform/desktop.h"
#include "platform/eventfolder.h"
#include "platform/pictures.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "platform/timer.h"

namespace zelvo {

// What the stage needs from the machine, in one place so that tests can replace it.
struct Platform
{
    TimerSource *timers = nullptr;
    RandomSource *random = nullptr;
    SoundBackend *sound = nullptr;
    MovieBackend *movies = nullptr;
    Dialogs *dialogs = nullptr;
    Browser *browser = nullptr;
    EventFolder folder;
    // Where the link menu's pages live.
    QString helpFolder;
};

} // namespace zelvo
