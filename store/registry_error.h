// The one error kind the highscore store raises, with the messages the error display shows unchanged.
#pragma once

#include <stdexcept>
#include <string>

namespace pairfinder {

class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    // "Failed to get data for '<name>'": a value that could not be read.
    static RegistryError GetDataFailed(const std::string& valueName);
    // "Invalid data type for '<name>'": a value of a type the read does not accept.
    static RegistryError InvalidDataType(const std::string& valueName);
    // "Failed to set data for '<name>'": a value that could not be written.
    static RegistryError SetDataFailed(const std::string& valueName);
    // "Invalid value 7 for '<name>'": a number the value cannot hold.
    static RegistryError InvalidValue(const std::string& valueName, long long number);
    // "Invalid value for '<name>'": a text the value cannot hold.
    static RegistryError InvalidText(const std::string& valueName);
};

// A registry file that does not parse; the message names the file and the line so it can be mended by hand.
class RegistryFileError : public RegistryError {
public:
    RegistryFileError(const std::string& file, int line, const std::string& reason);

    int Line() const { return LineNumber; }

private:
    int LineNumber;
};

// Another program holds the store for longer than a player should wait; the operation that met it fails
// with its own message.
class RegistryBusyError : public RegistryError {
public:
    using RegistryError::RegistryError;
};

}  // namespace pairfinder
