// Taking messages from the thread's queue outside its message loop: while a
// long piece of work holds the thread, and before a box opens.
#pragma once

#include <windows.h>

namespace gui {

// Takes the next message in [first, last] into msg; false when there is none.
// Windows hands a quit message to any PeekMessage whatever its filter: one
// taken here is posted again and answers false, so that it still ends the
// program's message loop, as it would have.
bool TakeMessage(MSG& msg, UINT first, UINT last);

// Throws away the keyboard and mouse input still waiting in the thread's
// queue: keys typed and clicks made while the thread was busy, meant for what
// was on screen then. Call it before a box that such input must not answer.
void DiscardTypedAheadInput();

}  // namespace gui
