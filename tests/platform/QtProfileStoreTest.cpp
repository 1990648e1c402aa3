// The QSettings store on a temporary file: nested sections, sharing between objects, deletion, failed writes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include "platform/QtProfileStore.h"

using namespace jamlog;

TEST(QtProfileStore, TwoObjectsOnOneFileSeeEachOther) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString file = dir.filePath("jamlog.ini");
    QtProfileStore a(file), b(file);
    EXPECT_EQ(b.GetProfileInt("Settings", "Running", 0), 0);
    EXPECT_TRUE(a.WriteProfileInt("Settings", "Running", 2));
    EXPECT_EQ(b.GetProfileInt("Settings", "Running", 0), 2);
    EXPECT_TRUE(b.WriteProfileInt("Settings", "Running", 3));
    EXPECT_EQ(a.GetProfileInt("Settings", "Running", 0), 3);
    a.WriteProfileInt(layoutSection(11), "Scale", -40);
    EXPECT_EQ(b.GetProfileInt("Config\\Netb", "Scale", 1), -40);
    b.WriteProfileString("Settings", "ExeName", "jamlog");
    EXPECT_EQ(a.GetProfileString("Settings", "ExeName", ""), "jamlog");
    a.deleteProgramKey();
    EXPECT_EQ(b.GetProfileInt("Settings", "Running", 7), 7);
}

TEST(QtProfileStore, UnwritableFileReportsFailure) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString file = dir.filePath("jamlog.ini");
    ASSERT_TRUE(QDir().mkdir(file)); // a folder where the file should be: no one can write it
    QtProfileStore s(file);
    EXPECT_FALSE(s.WriteProfileInt("Screen", "Cars", 5));
}

// A settings file that cannot be saved, in every way it happens even to root: its folder is a file, its name is a
// folder, its folder path runs through a file. The run goes on with what it wrote, in memory, and the failure is
// reported once however many writes fail.
TEST(QtProfileStore, UnsavableFileIsReportedOnceAndTheRunKeepsItsValues) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile blocker(dir.filePath("plain"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ASSERT_TRUE(QDir().mkdir(dir.filePath("folder.ini")));
    for (const QString& file : {dir.filePath("plain/jamlog.ini"), dir.filePath("folder.ini"),
                                dir.filePath("plain/deeper/jamlog.ini")}) {
        QtProfileStore s(file);
        std::vector<std::string> reports;
        s.onFirstSaveFailure([&](const std::string& f) { reports.push_back(f); });
        EXPECT_EQ(s.GetProfileInt("Screen", "Cars", 200), 200);
        EXPECT_FALSE(s.WriteProfileInt("Screen", "Cars", 5));
        EXPECT_FALSE(s.WriteProfileString("Settings", "ExeName", "jamlog"));
        s.deleteProgramKey();
        EXPECT_FALSE(s.WriteProfileInt("Settings", "Running", 2));
        EXPECT_EQ(s.GetProfileInt("Settings", "Running", 0), 2) << file.toStdString();
        ASSERT_EQ(reports.size(), 1u) << file.toStdString();
        EXPECT_EQ(reports[0], file.toStdString());
    }
}

// A file that saves reports nothing.
TEST(QtProfileStore, SavedWritesReportNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtProfileStore s(dir.filePath("sub/jamlog.ini"));
    int reports = 0;
    s.onFirstSaveFailure([&](const std::string&) { ++reports; });
    EXPECT_TRUE(s.WriteProfileInt("Screen", "Cars", 5));
    s.deleteProgramKey();
    EXPECT_EQ(reports, 0);
}
