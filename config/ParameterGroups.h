#pragma once
// Where a parameter belongs in a configuration file: the controller as a
// whole, one of its channels, inputs or output elements, and the block
// within it. Measurements, states and commands are no configuration.

#include <string>

enum class GroupUnit { Controller, Channel, Input, OutputElement, Other };

struct ParameterGroup {
    GroupUnit unit = GroupUnit::Other;
    int number = 0;    // channel, input or element, from 1; 0 for the controller
    std::string block; // e.g. "Регулятор"
    int rank = 0;      // position of the block, then of the name, in the file
};

// False for a parameter that is no configuration (it is left out).
bool GroupOf(const std::string& name, int index, ParameterGroup& group);

// "Канал 2: Регулятор", "Сетевые параметры", ...
std::string GroupTitle(const ParameterGroup& group);
