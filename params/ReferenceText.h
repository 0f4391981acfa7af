#pragma once
// Pages name their parameters by reference texts such as "<m3,6>op*2+1": an
// optional filter of modifications, the name, and how the index follows
// from the page's base index (":" absolute, "*" factor, "+" offset).

#include <span>
#include <string>
#include <vector>

// text: the reference on entry; index: the base index on entry. False when
// the filter leaves out the modification. True: the filter is removed and,
// with computeIndex, text is the bare name and index the resolved index.
bool ResolveReference(std::string& text, int& index, bool computeIndex, int modification);

struct ResolvedReference {
    std::string name;
    int index = 0;
};

// A list runs to its first empty entry (or to the end of the span).
using ReferenceList = std::span<const char* const>;

// How many references of the list apply in the modification.
int CountApplicableReferences(ReferenceList list, int modification);

// The references of the list that apply in the modification, resolved
// against baseIndex, in list order.
std::vector<ResolvedReference> ResolveReferenceList(ReferenceList list, int baseIndex,
                                                    int modification);
