// Paints the sample network into an image; with JAMLOG_PNG_DIR set the picture is kept for inspection.
#include "RenderFixture.h"

using namespace jamlog;

struct LookTest : RenderFixture {};

TEST_F(LookTest, SampleNetworkByDayAndNight) {
    buildSample();
    for (int b : {10, 60}) {
        QImage img(2000, 1200, QImage::Format_RGB32);
        st.setBrightness(b);
        {
            QtCanvas c(img);
            NetworkPainter(c, *m, st).paint();
        }
        std::string name = b == 10 ? "sample_day" : "sample_night";
        dump(img, name);
        dump(img, name + "_motorway", QRect(1300, 0, 600, 420), 2);
        dump(img, name + "_roundabout", QRect(0, 0, 420, 420), 2);
        EXPECT_EQ(img.pixel(1999, 1199) & 0xFFFFFF, QtCanvas::toQColor(st.backColour).rgb() & 0xFFFFFF);
    }
}
