// Fuzz target: arbitrary bytes as a settings file through the real import onto an in-memory store of the current
// version. A refused file must leave the store exactly as it was; an accepted one may write only the values that
// the file's fields name.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "settings/SettingsExport.h"
#include "settings/SettingsFileLayout.h"
#include "settings/StartupVersion.h"
#include "settings/StoredSetting.h"

namespace {

namespace fs = std::filesystem;

struct Scratch {
    fs::path folder;
    fs::path file, log;
    Scratch() {
        char name[] = "/tmp/jamlog-fuzz-import.XXXXXX";
        if (mkdtemp(name) == nullptr)
            std::abort();
        folder = name;
        file = folder / "in.jmx";
        log = folder / "log" / "jamlog.txt";
    }
    ~Scratch() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
};

const std::set<std::string>& namedKeys() {
    static const std::set<std::string> keys = [] {
        std::set<std::string> k;
        for (const jamlog::SettingsFileField& f : jamlog::settingsFileFields())
            if (!f.name.empty())
                k.insert(f.section + "/" + f.name);
        return k;
    }();
    return keys;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Scratch scratch;
    using namespace jamlog;
    // The first byte chooses designer mode (the import then also writes its log), the rest is the file.
    const bool designer = size > 0 && (data[0] & 1);
    const std::string bytes(reinterpret_cast<const char*>(data) + (size > 0 ? 1 : 0), size > 0 ? size - 1 : 0);
    {
        std::ofstream out(scratch.file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    MemoryProfileStore store;
    startupVersion(store, "jamlog", 0);
    writeStored(store, Setting::Pro, designer ? 1 : 0);
    writeStored(store, Setting::Cars, 123);
    const auto before = store.contents();

    const SettingsFileResult r = importSettings(store, scratch.file, scratch.log);
    if (r != SettingsFileResult::ok) {
        if (store.contents() != before) {
            std::fprintf(stderr, "a refused file (result %d) changed the store\n", static_cast<int>(r));
            std::abort();
        }
        return 0;
    }
    if (bytes.size() != settingsFileSize) {
        std::fprintf(stderr, "a file of %zu bytes was accepted\n", bytes.size());
        std::abort();
    }
    for (const auto& [key, value] : store.contents()) {
        const auto old = before.find(key);
        if ((old == before.end() || old->second != value) && namedKeys().count(key) == 0) {
            std::fprintf(stderr, "the import wrote '%s', which no field names\n", key.c_str());
            std::abort();
        }
    }
    if (store.contents().size() < before.size()) {
        std::fprintf(stderr, "the import removed values\n");
        std::abort();
    }
    return 0;
}
