#pragma once

// The place of an element on a drawing.
struct ElementBounds {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const ElementBounds&) const = default;
};
