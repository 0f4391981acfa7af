#pragma once
// What a parameter list asks of the wizard sheet: the choices of its
// drop-down editor. Tests stand in for it.

class Parameter;
class QComboBox;

class ParameterRequests {
public:
    virtual ~ParameterRequests() = default;

    // Adds the parameter's choices that the modification and the output
    // elements already taken allow.
    virtual void FillChoices(QComboBox& combo, Parameter& parameter) = 0;
};
