// The ~/.xscreensaver edit. The file holds "key: value" resources; a value runs over continuation lines ending in
// a backslash, and the programs value holds one hack per line, each ended by a literal "\n". A hack line may start
// with "-" (disabled), a visual name and a colon, and a quoted label before the command.
#include "app/Install.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>
#include <vector>

namespace jamlog {

namespace {

constexpr const char* programsKey = "programs";
constexpr const char* label = "\"Jamlog\"";

std::string trimmed(const std::string& s) {
    const size_t a = s.find_first_not_of(" \t\r"), b = s.find_last_not_of(" \t\r");
    return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

bool continues(const std::string& line) {
    const std::string t = trimmed(line);
    return !t.empty() && t.back() == '\\';
}

// One resource (its key line and continuation lines) or one line that holds none (comment, blank, other text).
struct Block {
    std::string key;                // empty when the block is no resource
    std::vector<std::string> lines; // the physical lines, without their line ends
};

std::string keyOf(const std::string& line) {
    const std::string t = trimmed(line);
    if (t.empty() || t[0] == '#' || t[0] == '!')
        return {};
    const size_t colon = t.find(':');
    if (colon == std::string::npos)
        return {};
    const std::string key = trimmed(t.substr(0, colon));
    return key.find_first_of(" \t") == std::string::npos ? key : std::string();
}

std::vector<Block> parseBlocks(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::vector<Block> blocks;
    for (size_t i = 0; i < lines.size();) {
        Block b{keyOf(lines[i]), {lines[i]}};
        size_t j = i;
        if (!b.key.empty())
            while (continues(lines[j]) && j + 1 < lines.size())
                b.lines.push_back(lines[++j]);
        blocks.push_back(std::move(b));
        i = j + 1;
    }
    return blocks;
}

// The text after the key's colon, trimmed.
std::string valueOf(const std::string& keyLine) {
    return trimmed(keyLine.substr(keyLine.find(':') + 1));
}

// Sets every occurrence of the key (a later one would win over an earlier one), keeping the spacing after the
// colon; appends the key when absent.
void setKey(std::vector<Block>& blocks, const std::string& key, const std::string& value, std::string& report) {
    bool found = false;
    for (Block& b : blocks) {
        if (b.key != key)
            continue;
        found = true;
        const std::string& line = b.lines.front();
        const std::string old = b.lines.size() == 1 ? valueOf(line) : std::string("a value over several lines");
        if (b.lines.size() == 1 && old == value)
            continue;
        const size_t colon = line.find(':');
        const size_t start = line.find_first_not_of(" \t", colon + 1);
        const std::string spacing = start == std::string::npos || start == colon + 1
                                        ? std::string("\t\t")
                                        : line.substr(colon + 1, start - colon - 1);
        b.lines = {line.substr(0, colon + 1) + spacing + value};
        report += "set " + key + ": " + value + " (was " + old + ")\n";
    }
    if (!found) {
        blocks.push_back({key, {key + ":\t\t" + value}});
        report += "added " + key + ": " + value + "\n";
    }
}

// The hack command on a programs line, without the line's "\n", continuation, disabling dash and label.
struct HackLine {
    bool disabled = false;
    std::string command;
};

HackLine hackLine(const std::string& line) {
    std::string t = trimmed(line);
    if (!t.empty() && t.back() == '\\')
        t = trimmed(t.substr(0, t.size() - 1));
    if (t.size() >= 2 && t.compare(t.size() - 2, 2, "\\n") == 0)
        t = trimmed(t.substr(0, t.size() - 2));
    HackLine h;
    if (!t.empty() && t[0] == '-') {
        h.disabled = true;
        t = trimmed(t.substr(1));
    }
    if (!t.empty() && t[0] == '"') {
        const size_t close = t.find('"', 1);
        t = close == std::string::npos ? std::string() : trimmed(t.substr(close + 1));
    }
    h.command = t;
    return h;
}

// Puts jamlog's entry first (enabled) in the programs block, dropping other copies of the very same entry.
void putFirst(Block& b, const std::string& command, std::string& report) {
    std::vector<std::string> hacks; // the block's hack lines, the key line's own text first
    const std::string onKeyLine = valueOf(b.lines.front());
    if (!onKeyLine.empty() && onKeyLine != "\\")
        hacks.push_back("\t\t" + onKeyLine);
    hacks.insert(hacks.end(), b.lines.begin() + 1, b.lines.end());

    size_t first = 0;
    while (first < hacks.size() && hackLine(hacks[first]).command.empty())
        ++first;
    if (first < hacks.size()) {
        const HackLine h = hackLine(hacks[first]);
        if (h.command == command && !h.disabled)
            return;
    }

    std::vector<std::string> kept;
    for (const std::string& line : hacks)
        if (hackLine(line).command != command)
            kept.push_back(line);
    const bool hadCopy = kept.size() < hacks.size();
    // The block's last line must not continue: it would swallow the line after the block.
    if (!kept.empty() && continues(kept.back())) {
        std::string& last = kept.back();
        last = last.substr(0, last.find_last_of('\\'));
    }

    const std::string ours = "  " + std::string(label) + "\t\t" + command + "\t\t\\n";
    b.lines = {b.lines.front().substr(0, b.lines.front().find(':') + 1) + "\t\t\\", kept.empty() ? ours : ours + "\\"};
    b.lines.insert(b.lines.end(), kept.begin(), kept.end());
    report += std::string(hadCopy ? "moved first in programs: " : "put first in programs: ") + command + "\n";
}

bool plainForShell(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("_/.+,:@%=-").find(c) != std::string_view::npos;
}

} // namespace

std::string hackCommand(const std::string& exe) {
    bool plain = !exe.empty();
    for (char c : exe)
        plain = plain && plainForShell(c);
    if (plain)
        return exe + " --root";
    std::string quoted = "'";
    for (char c : exe)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "' --root";
}

InstallEdit installedConfig(const std::string& existing, bool fileExists, const std::string& exe) {
    InstallEdit out;
    // A backslash or line end in the path would be read as the file's own escapes.
    if (exe.find_first_of("\\\n\r") != std::string::npos) {
        out.error = "the path " + exe + " cannot be written into the xscreensaver file";
        return out;
    }
    std::vector<Block> blocks = fileExists ? parseBlocks(existing) : std::vector<Block>{};
    if (!fileExists)
        out.report += "created the file\n";
    const std::string command = hackCommand(exe);

    setKey(blocks, "mode", "one", out.report);
    setKey(blocks, "selected", "0", out.report);

    Block* programs = nullptr; // the last one is the one in force
    for (Block& b : blocks)
        if (b.key == programsKey)
            programs = &b;
    if (programs == nullptr) {
        blocks.push_back({programsKey, {std::string(programsKey) + ":"}});
        programs = &blocks.back();
    }
    putFirst(*programs, command, out.report);

    for (const Block& b : blocks)
        for (const std::string& line : b.lines)
            out.text += line + "\n";
    return out;
}

std::string executablePath(const std::string& argv0, const std::string& pathVariable, const std::string& workingDir) {
    if (argv0.empty())
        return {};
    if (argv0.find('/') != std::string::npos) {
        const QString path = QDir(QString::fromStdString(workingDir)).absoluteFilePath(QString::fromStdString(argv0));
        return QFileInfo(path).isFile() ? QDir::cleanPath(path).toStdString() : std::string();
    }
    std::istringstream dirs(pathVariable);
    for (std::string dir; std::getline(dirs, dir, ':');) {
        const QString path = QDir(QString::fromStdString(workingDir))
                                 .absoluteFilePath(QString::fromStdString((dir.empty() ? "." : dir) + "/" + argv0));
        const QFileInfo info(path);
        if (info.isFile() && info.isExecutable())
            return QDir::cleanPath(path).toStdString();
    }
    return {};
}

InstallOutcome installScreenSaver(const std::string& exe, const std::string& configPath, bool askDaemon) {
    InstallOutcome r;
    const auto fail = [&](const std::string& why) {
        r.message = why + "; nothing was changed";
        return r;
    };
    if (QStandardPaths::findExecutable("xscreensaver").isEmpty())
        return fail("xscreensaver is not installed");
    const QFileInfo info(QString::fromStdString(configPath));
    const bool exists = info.exists();
    std::string existing;
    if (exists) {
        std::ifstream in(configPath, std::ios::binary);
        if (!in || !info.isFile())
            return fail("cannot read " + configPath);
        existing.assign(std::istreambuf_iterator<char>(in), {});
        if (!info.isWritable())
            return fail(configPath + " is not writable");
    }
    const InstallEdit edit = installedConfig(existing, exists, exe);
    if (!edit.error.empty())
        return fail(edit.error);
    if (edit.report.empty()) {
        r.message = configPath + ": jamlog is already the selected screen saver\n";
    } else {
        // Written whole or not at all, through a symbolic link to its target, keeping the file's permissions.
        QSaveFile out(QString::fromStdString(configPath));
        if (!out.open(QIODevice::WriteOnly) ||
            out.write(edit.text.data(), static_cast<qint64>(edit.text.size())) !=
                static_cast<qint64>(edit.text.size()) ||
            !out.commit())
            return fail("cannot write " + configPath);
        r.message = configPath + ":\n" + edit.report;
    }
    r.ok = true;

    // A daemon on this display starts the first hack, which is now jamlog.
    if (!askDaemon || qEnvironmentVariableIsEmpty("DISPLAY") ||
        QStandardPaths::findExecutable("xscreensaver-command").isEmpty())
        return r;
    QProcess select;
    select.setProcessChannelMode(QProcess::MergedChannels);
    select.start("xscreensaver-command", {"-select", "1"});
    if (select.waitForFinished(10000) && select.exitStatus() == QProcess::NormalExit && select.exitCode() == 0)
        r.message += "started a test run\n";
    else
        r.message += "no xscreensaver daemon answered: jamlog runs the next time the screen saver starts\n";
    if (select.state() != QProcess::NotRunning) {
        select.kill();
        select.waitForFinished(1000);
    }
    return r;
}

std::string userConfigPath() {
    const QString home = QDir::homePath();
    return QFileInfo(home).isDir() ? home.toStdString() + "/.xscreensaver" : std::string();
}

int runInstall(const char* argv0) {
    const char* path = std::getenv("PATH");
    std::string exe = executablePath(argv0 ? argv0 : "", path ? path : "", QDir::currentPath().toStdString());
    if (exe.empty())
        exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().toStdString();
    const std::string config = userConfigPath();
    if (config.empty()) {
        std::fprintf(stderr, "jamlog: no home folder (%s); nothing was changed\n",
                     QDir::homePath().toLocal8Bit().constData());
        return 1;
    }
    const InstallOutcome r = installScreenSaver(exe, config);
    if (!r.ok) {
        std::fprintf(stderr, "jamlog: %s\n", r.message.c_str());
        return 1;
    }
    std::fputs(r.message.c_str(), stdout);
    return 0;
}

} // namespace jamlog
