#pragma once
// How long the parts of a call last, in ticks the host gives the engine. One tick per
// step unless a host stretches them: the demo host does, so that a user can watch a fax
// go out page by page and abort it in the middle of a page.
struct EnginePace {
    int dialTicks = 1;  // from the start of a job until the call connects
    int pageTicks = 1;  // per page sent or received; progress is reported at every tick
};
