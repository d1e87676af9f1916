#include "support/environment.h"

#include <cstdlib>
#include <utility>

EnvironmentOverride::EnvironmentOverride(std::string name, const std::optional<std::string>& value)
    : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str()))
        saved_ = old;
    if (value)
        SetEnvironmentValue(name_, *value);
    else
        RemoveEnvironmentValue(name_);
}

EnvironmentOverride::~EnvironmentOverride() {
    if (saved_)
        SetEnvironmentValue(name_, *saved_);
    else
        RemoveEnvironmentValue(name_);
}
