// The settings store over QSettings in INI format, user scope. Every call syncs with the file, so a value
// written by one process is read by another.
#pragma once
#include <QSettings>
#include <memory>

#include "settings/ProfileStore.h"

namespace jamlog {

class QtProfileStore : public ProfileStore {
public:
    static constexpr const char* organisation = "Brindle's Registry Bits";
    static constexpr const char* application = "Jamlog 5";

    QtProfileStore(); // the user's own store
    explicit QtProfileStore(const QString& iniFile); // a given file, for tests and tools

    int32_t GetProfileInt(const std::string& section, const std::string& entry, int32_t defaultValue) override;
    bool WriteProfileInt(const std::string& section, const std::string& entry, int32_t value) override;
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue) override;
    bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) override;
    void deleteProgramKey() override;

private:
    bool write(const std::string& section, const std::string& entry, const QVariant& value);
    std::unique_ptr<QSettings> settings;
};

} // namespace jamlog
