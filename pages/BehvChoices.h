#pragma once
// The controller's reaction to returning supply voltage ("behv"): its first
// choice means working inspectors where there is no regulator, a start elsewhere.

class Parameter;

// Renames choice 0 in behv's choice list for the modification; the name
// stays for the rest of the run, and values read later carry it.
void RenameFirstBehvChoice(Parameter& behv, int modification);
