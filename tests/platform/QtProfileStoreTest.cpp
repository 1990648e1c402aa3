// The QSettings store on a temporary file: nested sections, sharing between objects, deletion, failed writes.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

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
