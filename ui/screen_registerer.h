#pragma once
// Screen factories. WM_SWITCH_SCREEN carries a pointer to one, so there is
// exactly one process-wide registerer per screen type: RegistererOf<T>().
#include <memory>

class MainWindow;
class ScreenBase;

class ScreenRegistererBase {
public:
    virtual ~ScreenRegistererBase() = default;
    virtual std::unique_ptr<ScreenBase> Create(MainWindow& owner) const = 0;
};

template <typename T>
class ScreenRegisterer : public ScreenRegistererBase {
public:
    constexpr ScreenRegisterer() = default;
    std::unique_ptr<ScreenBase> Create(MainWindow& owner) const override { return std::make_unique<T>(owner); }
};

template <typename T>
const ScreenRegistererBase& RegistererOf() {
    static const ScreenRegisterer<T> registerer;
    return registerer;
}
