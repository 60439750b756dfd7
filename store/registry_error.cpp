// The one error kind the highscore store raises, with the messages the error display shows unchanged.
#include "registry_error.h"

namespace pairfinder {

RegistryError RegistryError::GetDataFailed(const std::string& valueName) {
    return RegistryError("Failed to get data for '" + valueName + "'");
}

RegistryError RegistryError::InvalidDataType(const std::string& valueName) {
    return RegistryError("Invalid data type for '" + valueName + "'");
}

RegistryError RegistryError::SetDataFailed(const std::string& valueName) {
    return RegistryError("Failed to set data for '" + valueName + "'");
}

RegistryError RegistryError::InvalidValue(const std::string& valueName, long long number) {
    return RegistryError("Invalid value " + std::to_string(number) + " for '" + valueName + "'");
}

RegistryError RegistryError::InvalidText(const std::string& valueName) {
    return RegistryError("Invalid value for '" + valueName + "'");
}

RegistryFileError::RegistryFileError(const std::string& file, int line, const std::string& reason)
    : RegistryError("The registry file '" + file + "' is damaged at line " + std::to_string(line) + ": " +
                    reason),
      LineNumber(line) {}

}  // namespace pairfinder
