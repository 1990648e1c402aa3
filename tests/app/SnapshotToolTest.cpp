// The snapshot tool: a picture of a built layout, flipped on request; a layout not built yet is refused with
// nothing written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>

#include <string>

#include "app/Tools.h"
#include "model/LayoutCatalogue.h"

using namespace jamlog;

namespace {

std::string picture(const char* name) {
    const QString path = QDir::tempPath() + "/jamlog_snapshot_" + name + ".png";
    QFile::remove(path);
    return path.toStdString();
}

// Samples (every fourth pixel each way) that differ between two pictures of one size.
int differingSamples(const QImage& a, const QImage& b) {
    int differ = 0;
    for (int y = 0; y < a.height(); y += 4)
        for (int x = 0; x < a.width(); x += 4)
            differ += a.pixel(x, y) != b.pixel(x, y);
    return differ;
}

} // namespace

TEST(SnapshotTool, DrawsBuiltLayoutsAndRefusesOthers) {
    const std::string plain = picture("plain"), flipped = picture("flipped"), refused = picture("refused");
    ASSERT_EQ(runSnapshot({plain, "--layout", "10", "--size", "320x200", "--minutes", "0"}), 0);
    ASSERT_EQ(runSnapshot({flipped, "--layout", "10", "--size", "320x200", "--minutes", "0", "--flip"}), 0);
    const QImage a(QString::fromStdString(plain)), b(QString::fromStdString(flipped));
    ASSERT_FALSE(a.isNull());
    ASSERT_EQ(a.size(), QSize(320, 200));
    EXPECT_GT(differingSamples(a, b), 100); // the flip reaches the build

    for (int n = 1; n < layoutNumbers; ++n)
        if (!layoutIsBuilt(n)) {
            EXPECT_EQ(runSnapshot({refused, "--layout", std::to_string(n), "--size", "320x200"}), 2) << n;
            EXPECT_FALSE(QFile::exists(QString::fromStdString(refused)));
            break;
        }
}
