// Placeholder SDL backend (replaced by the real window below).
#include "engine/platform.h"
#include "resources/resource_table.h"
namespace platform {
bool CreateMainWindow(const WindowSpec&) { return false; }
void ShowMainWindow() {}
void DestroyMainWindow() {}
bool WaitEvent(Event&, uint32_t) { return false; }
void Present(const Canvas&) {}
MessageAnswer ShowMessageBox(std::string_view, std::string_view, MessageButtons) { return MessageAnswer::Ok; }
bool IsKeyDown(Key) { return false; }
uint32_t Ticks() { return 0; }
std::span<const uint8_t> BitmapResource(uint16_t id) { return FindEmbeddedBitmap(id); }
int JoystickCount() { return 0; }
bool ReadJoystick(uint32_t, JoystickReading&) { return false; }
bool JoystickCaps(uint32_t, JoystickRange&) { return false; }
bool CaptureJoystick(uint32_t, bool) { return false; }
}
