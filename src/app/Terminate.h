#pragma once
// Ending the program from any of its exit paths: the event loop (and every nested modal loop)
// stops at once, and start-up then destroys the windows. Tests observe the request instead.
#include <functional>

namespace app {

void terminar();

// Routes terminar() to `acao` until the guard dies (tests).
class ScopedTerminate {
public:
    explicit ScopedTerminate(std::function<void()> acao);
    ~ScopedTerminate();
    ScopedTerminate(const ScopedTerminate &) = delete;
    ScopedTerminate &operator=(const ScopedTerminate &) = delete;

private:
    std::function<void()> previous_;
};

} // namespace app
