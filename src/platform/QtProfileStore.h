// The settings store over QSettings in INI format, user scope. Every call syncs with the file, so a value
// written by one process is read by another.
#pragma once
#include <QSettings>
#include <functional>
#include <memory>
#include <string>

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

    // Called at the first write that cannot be saved, with the file's path, and never again for this store: the run
    // goes on with what it holds in memory. By default one line on stderr.
    using SaveFailure = std::function<void(const std::string& file)>;
    void onFirstSaveFailure(SaveFailure report) { saveFailure = std::move(report); }
    static void reportOnStderr(const std::string& file);

private:
    bool write(const std::string& section, const std::string& entry, const QVariant& value);
    bool saved(); // writes the file; reports the first failure

    std::unique_ptr<QSettings> settings;
    SaveFailure saveFailure = reportOnStderr;
    bool failureReported = false;
};

} // namespace jamlog
