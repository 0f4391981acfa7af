#pragma once
// Fills a drop-down list with a parameter's choices, leaving out those its
// per-choice masks hide in the current modification.

class Parameter;
class QComboBox;

void AddAllowedChoices(QComboBox& combo, const Parameter& parameter);
