#pragma once
// An ordered set of parameters reached by name: the device's and the
// program's link settings are such sets.

#include "params/Parameter.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class ObjectWithParameters {
public:
    ObjectWithParameters() = default;
    ObjectWithParameters(const ObjectWithParameters&) = delete;
    ObjectWithParameters& operator=(const ObjectWithParameters&) = delete;
    virtual ~ObjectWithParameters();

    // Every parameter's name and value text, in order.
    virtual void Store(std::string& out) const;
    // Reads back what Store wrote into the parameters in order; on
    // kArchiveTruncated no parameter has changed.
    virtual int Load(std::string_view in, std::size_t& pos);

    // (Re)creates the parameters; here it only removes them.
    virtual void BuildParameters();
    // The value text of the named parameter; empty when there is none.
    virtual std::string GetValueByName(std::string_view name) const;
    // 1 stored (the change flag set when the text really differs), 0 no such
    // parameter. Subclasses may answer other nonzero codes.
    virtual int SetValueByName(std::string_view name, const std::string& value);
    // The index the indexed parameters share; a parameter off it is reported.
    virtual int GetLinearIndex();
    virtual void SetLinearIndex(int i);
    // 2 when some parameter has a change pending, else 0.
    virtual int GetChangeState() const;
    virtual void ResetValues();
    virtual bool HasErrors(bool countDeviceValueNotes) const;
    virtual bool HasChanges() const;
    virtual bool HasMissingValues() const;

    Parameter* FindByName(std::string_view name) const;

    // Adds p at the end; deleted with the owner when it owns its parameters.
    void Append(Parameter* p);
    const std::vector<Parameter*>& Parameters() const { return parameters; }

    bool ownsParameters = true;

protected:
    void RemoveParameters();

private:
    void WarnSuspiciousIndex(const Parameter& p) const;

    std::vector<Parameter*> parameters;
    int linearIndex = -1; // -1: not yet known
};
