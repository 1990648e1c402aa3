// data/jamlog.xml, the description xscreensaver's settings panel is built from: every choice the panel can pass is
// taken by the parser behind the hack's command and by a headless run of the jamlog program; the layout list is
// the built layouts; the sliders end where the parser does.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <sstream>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "model/LayoutCatalogue.h"

using namespace jamlog;

namespace {

struct Slider {
    std::string arg; // with % for the value
    int low = 0, high = 0, defaultValue = 0;
};

struct Panel {
    std::string command;
    std::vector<std::string> choices;                 // every argument text the panel can pass
    std::vector<std::pair<int, std::string>> layouts; // "--layout N" options: number and label
    std::vector<Slider> sliders;
};

std::string attr(const QXmlStreamReader& x, const char* name) {
    return x.attributes().value(QString::fromLatin1(name)).toString().toStdString();
}

std::string withValue(const std::string& arg, int value) {
    std::string out = arg;
    out.replace(out.find('%'), 1, std::to_string(value));
    return out;
}

Panel readPanel() {
    Panel p;
    QFile file(QStringLiteral(JAMLOG_SOURCE_DIR "/data/jamlog.xml"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader x(&file);
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement)
            continue;
        const std::string tag = x.name().toString().toStdString();
        if (tag == "command")
            p.command = attr(x, "arg");
        for (const char* key : {"arg-set", "arg-unset"})
            if (const std::string a = attr(x, key); !a.empty() && (tag == "option" || tag == "boolean"))
                p.choices.push_back(a);
        if (tag == "option" && attr(x, "arg-set").rfind("--layout ", 0) == 0 && attr(x, "arg-set") != "--layout random")
            p.layouts.emplace_back(std::stoi(attr(x, "arg-set").substr(9)), attr(x, "_label"));
        if (tag == "number") {
            const Slider s{attr(x, "arg"), std::stoi(attr(x, "low")), std::stoi(attr(x, "high")),
                           std::stoi(attr(x, "default"))};
            p.sliders.push_back(s);
            for (int v : {s.low, s.defaultValue, s.high})
                p.choices.push_back(withValue(s.arg, v));
        }
    }
    EXPECT_FALSE(x.hasError()) << x.errorString().toStdString();
    return p;
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

CommandLine asHack(const Panel& p, const std::string& choice) {
    std::vector<std::string> args = words(p.command);
    for (const std::string& w : words(choice))
        args.push_back(w);
    return parseCommandLine(args, nullptr);
}

} // namespace

TEST(XscreensaverPanel, EveryChoiceIsTakenByTheParserAndByAHeadlessRun) {
    const Panel p = readPanel();
    ASSERT_EQ(p.command, "--root");
    ASSERT_GE(p.choices.size(), 10u);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    int n = 0;
    for (const std::string& choice : p.choices) {
        const CommandLine c = asHack(p, choice);
        EXPECT_TRUE(c.ok()) << choice << ": " << c.error;
        EXPECT_TRUE(c.overrides.any()) << choice;

        const QString png = dir.filePath(QString("choice%1.png").arg(n++));
        QStringList args = {"--snapshot", png, "--size", "96x64", "--minutes", "0"};
        for (const std::string& w : words(choice))
            args << QString::fromStdString(w);
        QProcess run;
        run.start(QStringLiteral(JAMLOG_EXE), args);
        ASSERT_TRUE(run.waitForFinished(120000)) << choice;
        EXPECT_EQ(run.exitCode(), 0) << choice << ": " << run.readAllStandardError().toStdString();
        EXPECT_TRUE(QFile::exists(png)) << choice;
    }
}

TEST(XscreensaverPanel, LayoutListIsTheBuiltLayouts) {
    const Panel p = readPanel();
    std::vector<std::pair<int, std::string>> built;
    std::string lines;
    for (int n : offeredLayouts(false, false)) {
        built.emplace_back(n, std::string(layoutEntry(n).name));
        lines += "    <option id=\"layout" + std::to_string(n) + "\" _label=\"" + std::string(layoutEntry(n).name) +
                 "\" arg-set=\"--layout " + std::to_string(n) + "\"/>\n";
    }
    EXPECT_EQ(p.layouts, built) << "the layout options of data/jamlog.xml should read:\n" << lines;
}

TEST(XscreensaverPanel, SlidersEndWhereTheParserDoes) {
    const Panel p = readPanel();
    ASSERT_EQ(p.sliders.size(), 2u);
    for (const Slider& s : p.sliders) {
        EXPECT_FALSE(asHack(p, withValue(s.arg, s.low - 1)).ok()) << s.arg;
        EXPECT_FALSE(asHack(p, withValue(s.arg, s.high + 1)).ok()) << s.arg;
        EXPECT_LE(s.low, s.defaultValue);
        EXPECT_LE(s.defaultValue, s.high);
    }
}
