#pragma once

#include <utility>

// Stores Value when it differs from Field; true when it did (the caller then
// repaints).
template <class T>
bool ChangeField(T& Field, T Value)
{
    if (Field == Value)
        return false;
    Field = std::move(Value);
    return true;
}
