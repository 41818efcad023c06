#pragma once

#include <functional>
#include <utility>

// Stores a new value only when it differs and then tells the owner.
template <class T>
bool Change(T& Field, T Value)
{
    if (Field == Value)
        return false;
    Field = std::move(Value);
    return true;
}

// Base of the settings objects (pens, brushes, shadows): the owner installs a
// hook so that every effective change ends in a repaint of its chart.
class TChangeNotifier {
public:
    TChangeNotifier() = default;
    explicit TChangeNotifier(std::function<void()> OnChange) : FOnChange(std::move(OnChange)) {}
    TChangeNotifier(const TChangeNotifier&) = delete;
    TChangeNotifier& operator=(const TChangeNotifier&) = delete;
    virtual ~TChangeNotifier() = default;

    void SetOnChange(std::function<void()> OnChange) { FOnChange = std::move(OnChange); }

protected:
    template <class T>
    void Set(T& Field, T Value)
    {
        if (Change(Field, std::move(Value)))
            Changed();
    }
    void Changed()
    {
        if (FOnChange)
            FOnChange();
    }

private:
    std::function<void()> FOnChange;
};
