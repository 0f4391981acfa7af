#pragma once
// Fills the parameter table from the parameter base file beside the program.

#include "params/ParameterTable.h"

#include <string>

// Loads directory + fileName into table; the name the table was last filled
// from is not loaded again, another name replaces the whole table. 0 when
// the data held every announced record; 1 when the file is missing, empty or
// damaged (also a record whose limit is not a finite number within
// kMaxLimitMagnitude), and the table keeps the records read before the
// damage. Parameters start as "Нет данных": the base's initial values are not
// the device's. Nothing is shown.
int LoadParameterBase(ParameterTable& table, const std::string& fileName,
                      const std::string& directory);
