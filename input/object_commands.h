// Adding and deleting buildings and units from the object page.
#pragma once

#include <string_view>

inline constexpr std::string_view BuildingLimitText = "建筑超载!超过限定300";
inline constexpr std::string_view UnitLimitText = "单位超载！超过限制50";
inline constexpr std::string_view LimitMessageCaption = " 返回 ";

// Empties both tables and forgets the hovered and selected objects; nothing
// while a new object is being placed.
void DeleteAllObjects();

// The last object of the table takes the deleted one's number.
void DeleteSelectedObject();

// A copy of the last building (or unit), or the default one in an empty table,
// which then follows the pointer until the next press in the map view. Refused
// with a message once the table holds more than its limit.
void AddBuilding();
void AddUnit();
