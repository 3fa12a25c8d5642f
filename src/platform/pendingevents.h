#pragma once

namespace platform {

// Lets the window events that are waiting run once, so a window repaints in the middle of
// a command.
void letPendingEventsRun();

} // namespace platform
