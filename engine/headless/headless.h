// The headless backend's controls for tests and tools: no window; the test feeds
// events, sets the keys and the clock, answers message boxes and reads the last
// presented frame.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/canvas.h"
#include "engine/platform.h"

namespace headless {

struct RecordedMessage {
    std::string text;
    std::string caption;
    platform::MessageButtons buttons;
};

// Back to a fresh machine: no window, no events, clock at 0, keys up, no messages,
// no arguments.
void Reset();
// The command line the program is started with; a start-up error is recorded
// among the messages, captioned with the program's name.
void SetProgramArguments(const std::vector<std::string>& arguments);

void PushEvent(const platform::Event& event);
// In the same queue as the events: a key goes down or up once the events before
// it are taken, and a pause lets `ms` of time (and the frames due in it) pass
// before the inputs after it.
void PushKeyChange(platform::Key key, bool down);
void PushPause(uint32_t ms);
// In the same queue: the real mouse does what a mouse `event` says (the pointer
// moves, a button goes down or up), and no window of ours is told, as when it
// happens while a message box is up. A message box takes the ones at the front
// of the queue as it opens: they happen while it is up. The mouse events
// handed to the program move the real mouse as well.
void PushUnseen(const platform::Event& event);
void SetTicks(uint32_t ticks);
void SetKeyDown(platform::Key key, bool down);
// Answers for the coming message boxes, in order; OK once they run out.
void QueueAnswer(platform::MessageAnswer answer);
const std::vector<RecordedMessage>& Messages();
void ClearMessages();

// What the window shows: the frames presented, each as far as the rectangles
// its present sent carry it (empty before the first). Showing the window, and a
// Paint event handed to the program, count as the window uncovered: the next
// present sends it whole, as the real backends do.
const Canvas& LastFrame();
int PresentCount();
bool WindowExists();
bool WindowShown();
// Lets a test say whether window creation succeeds.
void SetWindowCreationFails(bool fails);

// When the queue is empty, WaitEvent advances the clock by its timeout, as the
// time a real loop would have slept; past `ticks`, a Close event is produced so
// that a loop under test ends.
void CloseWindowAt(uint32_t ticks);

}  // namespace headless
