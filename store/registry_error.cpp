// The one error kind the highscore store raises, with the messages the error display shows unchanged. They are the
// store's own words, the same in German and in English; the catalogues carry them for every other language. The
// registry file's reasons after its line number describe its format and stay as they are.
#include "registry_error.h"

#include "words.h"

namespace pairfinder {

RegistryError RegistryError::GetDataFailed(const std::string& valueName) {
    return RegistryError(Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Failed to get data for '%1'")), {valueName}));
}

RegistryError RegistryError::InvalidDataType(const std::string& valueName) {
    return RegistryError(Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Invalid data type for '%1'")), {valueName}));
}

RegistryError RegistryError::SetDataFailed(const std::string& valueName) {
    return RegistryError(Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Failed to set data for '%1'")), {valueName}));
}

RegistryError RegistryError::InvalidValue(const std::string& valueName, long long number) {
    return RegistryError(
        Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Invalid value %1 for '%2'")), {std::to_string(number), valueName}));
}

RegistryError RegistryError::InvalidText(const std::string& valueName) {
    return RegistryError(Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "Invalid value for '%1'")), {valueName}));
}

RegistryFileError::RegistryFileError(const std::string& file, int line, const std::string& reason)
    : RegistryError(Filled(Tr(QT_TRANSLATE_NOOP("Pairfinder", "The registry file '%1' is damaged at line %2: %3")),
                           {file, std::to_string(line), reason})),
      LineNumber(line) {}

}  // namespace pairfinder
