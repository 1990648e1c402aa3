// Export and import of the settings file.
#include "settings/SettingsExport.h"

#include <cstdio>
#include <fstream>
#include <optional>
#include <system_error>
#include <vector>

#include "settings/SettingsFileLayout.h"

namespace jamlog {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view importMessages[] = {"Jamlog will now exit so that you can use your new settings",
                                               "Unable to open file for reading", "Invalid file format",
                                               "Incompatible Jamlog version", "Unable to save the imported settings"};
constexpr std::string_view exportMessages[] = {"Jamlog has saved your settings", "Unable to open file for writing"};
constexpr int32_t versionsPerRelease = 10; // versions 500-509 read one another's files
// The designer log writes "%s.%s.%4i|" per section field and ".%s.%s.%6i|" per per-layout field.
constexpr std::size_t sectionLogWidth = 4;
constexpr std::size_t layoutLogWidth = 6;

// The value as printf's "%*i" writes it: at least width characters, blanks on the left.
std::string padded(int32_t value, std::size_t width) {
    char text[24];
    int n = std::snprintf(text, sizeof text, "%*i", static_cast<int>(width), static_cast<int>(value));
    return std::string(text, static_cast<std::size_t>(n));
}

// A field of exactly its width, or nothing when the value does not fit.
std::optional<std::string> fieldText(int32_t value, std::size_t width) {
    std::string text = padded(value, width);
    if (text.size() != width)
        return std::nullopt;
    return text;
}

// A right-aligned decimal field: blanks, an optional minus sign, then at least one digit up to the end.
std::optional<int32_t> parseField(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    bool negative = i < field.size() && field[i] == '-';
    if (negative)
        ++i;
    if (i == field.size())
        return std::nullopt;
    int64_t v = 0;
    for (; i < field.size(); ++i) {
        if (field[i] < '0' || field[i] > '9')
            return std::nullopt;
        v = v * 10 + (field[i] - '0'); // at most 8 characters wide, so no overflow
    }
    return static_cast<int32_t>(negative ? -v : v);
}

// Every field of a whole file, or nothing if any of them is malformed.
std::optional<std::vector<int32_t>> parseFields(const std::string& bytes) {
    std::vector<int32_t> values;
    std::size_t at = settingsFileHeader.size();
    for (const SettingsFileField& f : settingsFileFields()) {
        std::optional<int32_t> v = parseField(std::string_view(bytes).substr(at, f.width));
        if (!v)
            return std::nullopt;
        values.push_back(*v);
        at += f.width;
    }
    return values;
}

// Reads at most one byte more than a settings file holds, so that a longer file is seen to be too long.
std::optional<std::string> readCapped(const fs::path& file) {
    std::error_code ec;
    if (file.empty() || fs::is_directory(file, ec))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes(settingsFileSize + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

constexpr fs::perms writeBits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

} // namespace

std::string_view importMessage(SettingsFileResult r) {
    auto i = static_cast<std::size_t>(r);
    return i < std::size(importMessages) ? importMessages[i] : std::string_view();
}

std::string_view exportMessage(SettingsFileResult r) {
    auto i = static_cast<std::size_t>(r);
    return i < std::size(exportMessages) ? exportMessages[i] : std::string_view();
}

std::string formatSettingsFile(ProfileStore& store) {
    std::string out(settingsFileHeader);
    for (const SettingsFileField& f : settingsFileFields()) {
        const int32_t absent = f.perLayout ? 0 : absentMarker;
        const int32_t v = f.name.empty() ? absent : store.GetProfileInt(f.section, f.name, absent);
        out += fieldText(v, f.width).value_or(*fieldText(absent, f.width));
    }
    return out;
}

SettingsFileResult exportSettings(ProfileStore& store, const fs::path& file) {
    if (file.empty())
        return SettingsFileResult::cannotOpen;
    const std::string bytes = formatSettingsFile(store);
    fs::path temp = file;
    temp += ".tmp";
    std::error_code ec;
    fs::remove(temp, ec); // left over from an interrupted export
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return SettingsFileResult::cannotOpen;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            fs::remove(temp, ec);
            return SettingsFileResult::cannotOpen;
        }
    }
    fs::permissions(temp, writeBits, fs::perm_options::remove, ec);
    // Some platforms refuse to replace a read-only file, so the earlier file's attribute is cleared first
    // and put back if the replacement fails.
    const fs::file_status before = fs::status(file, ec);
    const bool earlier = fs::is_regular_file(before);
    if (earlier)
        fs::permissions(file, fs::perms::owner_write, fs::perm_options::add, ec);
    fs::rename(temp, file, ec);
    if (ec) {
        std::error_code ignored;
        if (earlier)
            fs::permissions(file, before.permissions(), fs::perm_options::replace, ignored);
        fs::remove(temp, ignored);
        return SettingsFileResult::cannotOpen;
    }
    return SettingsFileResult::ok;
}

SettingsFileResult importSettings(ProfileStore& store, const fs::path& file, const fs::path& designerLog) {
    const std::optional<std::string> bytes = readCapped(file);
    if (!bytes)
        return SettingsFileResult::cannotOpen;

    // The version comes before the size, so that a file of another release is named as such.
    const std::size_t versionAt = settingsFileHeader.size();
    const std::size_t versionWidth = settingsFileFields().front().width;
    if (bytes->size() < versionAt + versionWidth)
        return SettingsFileResult::invalidFormat;
    const std::optional<int32_t> fileVersion = parseField(std::string_view(*bytes).substr(versionAt, versionWidth));
    if (!fileVersion)
        return SettingsFileResult::invalidFormat;
    const int32_t storeVersion = store.GetProfileInt("Version", "Current Version", absentMarker);
    if (*fileVersion / versionsPerRelease != storeVersion / versionsPerRelease)
        return SettingsFileResult::incompatibleVersion;
    if (bytes->size() != settingsFileSize)
        return SettingsFileResult::invalidFormat;
    const std::optional<std::vector<int32_t>> values = parseFields(*bytes);
    if (!values)
        return SettingsFileResult::invalidFormat;

    const bool designer = store.GetProfileInt("Settings", "Pro", 0) != 0;
    std::ofstream log;
    if (designer) {
        std::error_code ec;
        if (designerLog.has_parent_path())
            fs::create_directories(designerLog.parent_path(), ec);
        log.open(designerLog, std::ios::binary | std::ios::trunc);
        if (!log)
            return SettingsFileResult::cannotOpen;
    }

    const std::vector<SettingsFileField>& fields = settingsFileFields();
    bool saved = true;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const SettingsFileField& f = fields[i];
        const int32_t v = (*values)[i];
        const bool carried = f.perLayout ? v > 0 : v != absentMarker && !f.name.empty();
        if (carried && !store.WriteProfileInt(f.section, f.name, v))
            saved = false;
        if (designer)
            log << (f.perLayout ? "." : "") << f.section << '.' << f.name << '.'
                << padded(v, f.perLayout ? layoutLogWidth : sectionLogWidth) << '|';
    }
    return saved ? SettingsFileResult::ok : SettingsFileResult::cannotSave;
}

} // namespace jamlog
