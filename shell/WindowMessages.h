#pragma once
// Ids of the requests the pages and controls make of each other. They were
// window messages once; the names and numbers stay so every part agrees.

inline constexpr int MSG_WRITE_PARAMETER = 1064;
inline constexpr int MSG_READ_PARAMETER = 1066;
inline constexpr int MSG_CONTROL_HOVER = 1068;
inline constexpr int MSG_FILL_CHOICES = 1069;
