// The settings store: named signed 32-bit values and strings in sections, read with a default.
// Sections may be nested with a backslash ("Config\Net5"). Implementations keep no cache of their own.
#pragma once
#include <cstdint>
#include <map>
#include <string>

namespace jamlog {

class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    virtual int32_t GetProfileInt(const std::string& section, const std::string& entry, int32_t defaultValue) = 0;
    // Returns false when the store could not be written; callers may ignore it.
    virtual bool WriteProfileInt(const std::string& section, const std::string& entry, int32_t value) = 0;
    virtual std::string GetProfileString(const std::string& section, const std::string& entry,
                                         const std::string& defaultValue) = 0;
    virtual bool WriteProfileString(const std::string& section, const std::string& entry,
                                    const std::string& value) = 0;
    // Removes every section and value of the program.
    virtual void deleteProgramKey() = 0;
};

// An in-memory store for tests and headless runs.
class MemoryProfileStore : public ProfileStore {
public:
    int32_t GetProfileInt(const std::string& section, const std::string& entry, int32_t defaultValue) override;
    bool WriteProfileInt(const std::string& section, const std::string& entry, int32_t value) override;
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue) override;
    bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value) override;
    void deleteProgramKey() override { values.clear(); }
    size_t size() const { return values.size(); }
    // Every value by "section/entry", for comparing two stores whole.
    const std::map<std::string, std::string>& contents() const { return values; }

private:
    std::map<std::string, std::string> values; // "section/entry" -> text; integers kept in decimal
};

// The section of layout n's own values: "Config\Net" and n in base 24 with lower-case digits.
std::string layoutSection(int layout);

} // namespace jamlog
