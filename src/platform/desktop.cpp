#include "platform/desktop.h"

#include <utility>

namespace {

std::unique_ptr<TDesktop>& ProcessDesktop() {
    static std::unique_ptr<TDesktop> desktop;
    return desktop;
}

} // namespace

TDesktop& Desktop() {
    std::unique_ptr<TDesktop>& desktop = ProcessDesktop();
    if (!desktop)
        desktop = MakeSystemDesktop();
    return *desktop;
}

std::unique_ptr<TDesktop> ReplaceDesktop(std::unique_ptr<TDesktop> desktop) {
    std::swap(ProcessDesktop(), desktop);
    return desktop;
}
