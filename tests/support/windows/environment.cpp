#include "support/environment.h"

#include <windows.h>

#include <cstdlib>
#include <ctime>

// The C library keeps its own copy of the environment (getenv, TZ); child processes get the one of
// Windows. Both are changed.
void SetEnvironmentValue(const std::string& name, const std::string& value) {
    _putenv_s(name.c_str(), value.c_str());
    SetEnvironmentVariableA(name.c_str(), value.c_str());
}

void RemoveEnvironmentValue(const std::string& name) {
    _putenv_s(name.c_str(), ""); // an empty value removes the variable
    SetEnvironmentVariableA(name.c_str(), nullptr);
}

void ReloadTimeZone() {
    _tzset();
}
