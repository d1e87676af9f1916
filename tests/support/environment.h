#pragma once

#include <optional>
#include <string>

// Sets or removes a variable of the process environment; programs started afterwards inherit it.
void SetEnvironmentValue(const std::string& name, const std::string& value);
void RemoveEnvironmentValue(const std::string& name);

// Makes the C library read the TZ variable again.
void ReloadTimeZone();

// Gives a variable a value (or removes it, for nullopt) for the life of the object, then puts back
// what was there.
class EnvironmentOverride {
public:
    EnvironmentOverride(std::string name, const std::optional<std::string>& value);
    ~EnvironmentOverride();
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

private:
    std::string name_;
    std::optional<std::string> saved_;
};
