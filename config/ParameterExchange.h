#pragma once
// The one retried read and write of a parameter, with its status text and
// its warning box. The wizard serves it on its device worker; procedures of
// this folder call it there, and tests stand in for it.

class Parameter;

class ParameterExchange {
public:
    virtual ~ParameterExchange() = default;
    // Up to `attempts` tries (0 counts as 1), a further one only after a lost
    // reply. 1 when a warning box named the failure, else 0.
    virtual int WriteParameterRequest(Parameter& parameter, int attempts) = 0;
    virtual int ReadParameterRequest(Parameter& parameter, int attempts) = 0;
};
