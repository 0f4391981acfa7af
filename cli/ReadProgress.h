#pragma once
// The progress of a pass over the controller's values on a terminal line:
// "Чтение: 120 из 812, осталось около 31 с", the time from the pace so far.

#include <functional>

class TerminalLine;

std::function<void(int done, int total)> ReadProgressOn(TerminalLine& line);
