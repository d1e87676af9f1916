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

// Sets the TZ variable for the life of the object, and makes the C library read it at both ends.
class TimeZoneOverride {
public:
    explicit TimeZoneOverride(const std::string& zone) : zone_("TZ", zone) { ReloadTimeZone(); }

private:
    struct Reload {
        ~Reload() { ReloadTimeZone(); }
    };
    Reload reload_; // destroyed after zone_ has put the old value back
    EnvironmentOverride zone_;
};
