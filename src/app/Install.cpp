// The ~/.xscreensaver edit. The file holds "key: value" lines; the programs value runs over continuation lines
// ending in a backslash, its entries separated by a literal "\n".
#include "app/Install.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace jamlog {

namespace {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string trimmed(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

bool startsWithKey(const std::string& line, const std::string& key) {
    return line.rfind(key + ":", 0) == 0;
}

// Sets "key: value", keeping the line where it was; appends it when absent.
void setKey(std::vector<std::string>& lines, const std::string& key, const std::string& value, std::string& report) {
    for (std::string& line : lines) {
        if (!startsWithKey(line, key))
            continue;
        const std::string old = trimmed(line.substr(key.size() + 1));
        if (old == value)
            return;
        line = key + ":\t\t" + value;
        report += "set " + key + ": " + value + " (was " + old + ")\n";
        return;
    }
    lines.push_back(key + ":\t\t" + value);
    report += "added " + key + ": " + value + "\n";
}

} // namespace

InstallEdit installedConfig(const std::string& existing, bool fileExists, const std::string& exe) {
    InstallEdit out;
    std::vector<std::string> lines = fileExists ? splitLines(existing) : std::vector<std::string>{};
    if (!fileExists)
        out.report += "created the file\n";
    const std::string command = exe + " --root";
    const std::string entry = "  \"Jamlog\"\t\t" + command;

    setKey(lines, "mode", "one", out.report);
    setKey(lines, "selected", "0", out.report);

    size_t at = lines.size();
    for (size_t i = 0; i < lines.size(); ++i)
        if (startsWithKey(lines[i], "programs"))
            at = i;
    if (at == lines.size()) {
        lines.push_back("programs:\t\t\\");
        lines.push_back(entry + "\t\t\\n");
        out.report += "added programs: " + command + "\n";
    } else {
        const std::string rest = trimmed(lines[at].substr(std::string("programs:").size()));
        const bool ours = at + 1 < lines.size() && lines[at + 1].find(command) != std::string::npos;
        if (!ours) {
            std::vector<std::string> head{"programs:\t\t\\", entry + "\t\t\\n\\"};
            if (!rest.empty() && rest != "\\")
                head.push_back("\t\t" + rest); // a first entry on the key's line
            if (rest.empty())
                head.back() = entry + "\t\t\\n"; // the value was empty: ours is the only entry
            lines.erase(lines.begin() + static_cast<long>(at));
            lines.insert(lines.begin() + static_cast<long>(at), head.begin(), head.end());
            out.report += "put first in programs: " + command + "\n";
        }
    }
    for (const std::string& line : lines)
        out.text += line + "\n";
    return out;
}

int runInstall(const char* argv0) {
    if (QStandardPaths::findExecutable("xscreensaver").isEmpty()) {
        std::fprintf(stderr, "jamlog: xscreensaver is not installed; nothing was changed\n");
        return 1;
    }
    const std::string exe = QFileInfo(QString::fromLocal8Bit(argv0)).absoluteFilePath().toStdString();
    const std::string path = QDir::homePath().toStdString() + "/.xscreensaver";
    const bool exists = QFileInfo::exists(QString::fromStdString(path));
    std::string existing;
    if (exists) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "jamlog: cannot read %s; nothing was changed\n", path.c_str());
            return 1;
        }
        existing.assign(std::istreambuf_iterator<char>(in), {});
    }
    const InstallEdit edit = installedConfig(existing, exists, exe);
    if (exists && existing == edit.text) {
        std::printf("%s: jamlog is already the selected screen saver\n", path.c_str());
    } else {
        const std::string temp = path + ".jamlog-new";
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out || !(out << edit.text) || (out.close(), !out) || std::rename(temp.c_str(), path.c_str()) != 0) {
            std::remove(temp.c_str());
            std::fprintf(stderr, "jamlog: cannot write %s; nothing was changed\n", path.c_str());
            return 1;
        }
        std::printf("%s:\n%s", path.c_str(), edit.report.c_str());
    }
    if (!QStandardPaths::findExecutable("xscreensaver-command").isEmpty() &&
        QProcess::execute("xscreensaver-command", {"-select", "1"}) == 0)
        std::printf("started a test run\n");
    return 0;
}

} // namespace jamlog
