// The report's reading against the simulated controller: which blocks of
// which channels it holds by modification and channel count, and the
// session's writes with the values they replaced.

#include "SimulatedDevice.h"

#include "config/CommissioningReportReader.h"
#include "config/SessionWrites.h"
#include "params/MyConverter.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct ReportCase {
    int modification;
    int channels;
    std::vector<std::string> present; // section titles
    std::vector<std::string> absent;  // title beginnings
    std::size_t graphs;
};

bool HasSection(const CommissioningReport& r, const std::string& start) {
    return std::any_of(r.channels.begin(), r.channels.end(), [&](const ReportSection& s) {
        return s.title.rfind(start, 0) == 0;
    });
}

} // namespace

TEST(CommissioningReportReader, HoldsTheBlocksOfTheChannelsInUse) {
    const ReportCase cases[] = {
        {1, 1, {"Канал 1: Регулятор", "Канал 1: Уставка", "Канал 1: Автонастройка"},
         {"Канал 1: Инспектор", "Канал 1: Задвижка", "Канал 2:"}, 1},
        {2, 2, {"Канал 1: Инспектор", "Канал 2: Инспектор"},
         {"Канал 1: Регулятор", "Канал 2: Уставка", "Канал 3:"}, 0},
        {6, 1, {"Канал 1: Задвижка", "Канал 1: LBA"}, {"Выходной элемент 1: ШИМ", "Канал 2:"}, 1},
    };
    for (const ReportCase& c : cases) {
        SCOPED_TRACE("modification " + std::to_string(c.modification));
        SimulatedDevice device;
        Simulator::Options options;
        options.model.modification = c.modification;
        std::string error;
        ASSERT_TRUE(device.Start(error, options)) << error;
        Parameter& count = device.Table("n.Ch", 0);
        count.value = std::to_string(c.channels);
        ASSERT_EQ(device.Operations().WriteParameter(&count), 0) << count.message;

        CommissioningReport report;
        int calls = 0;
        CommissioningReportReader reader(device.Operations(), device.Link().Table());
        reader.SetProgress([&calls](int, int) { ++calls; });
        ASSERT_EQ(reader.Read(report, error), 0) << error;
        EXPECT_GT(calls, 100);
        EXPECT_EQ(report.modification, std::to_string(c.modification));
        EXPECT_EQ(report.model, device.Stored("dev", 0));
        for (const std::string& title : c.present)
            EXPECT_TRUE(HasSection(report, title)) << title;
        for (const std::string& title : c.absent)
            EXPECT_FALSE(HasSection(report, title)) << title;
        EXPECT_EQ(report.graphs.size(), c.graphs);
        EXPECT_TRUE(report.unread.empty());
        for (const ReportLink& link : report.links)
            EXPECT_LE(link.channel, c.channels) << link.function;
    }
}

TEST(SessionWrites, EachWriteWithTheValueTheControllerHeldBefore) {
    SimulatedDevice device;
    std::string error;
    ASSERT_TRUE(device.Start(error)) << error;
    SessionWrites writes;
    device.Operations().SetObserver(&writes);
    Parameter& pb = device.Table("Pb", 0);
    Parameter& ti = device.Table("ti", 0);
    ASSERT_EQ(device.Operations().ReadParameter(&pb), 0);
    const std::string before = pb.value;
    for (const char* value : {"40", "45"}) {
        ASSERT_TRUE(pb.SetValue(value, false));
        ASSERT_EQ(device.Operations().WriteParameter(&pb), 0);
    }
    ti.value = "100";
    ASSERT_EQ(device.Operations().WriteParameter(&ti), 0); // never read: the old value is unknown
    Parameter unread = device.Table("ti", 1);
    unread.value = kNoData;
    EXPECT_NE(device.Operations().WriteParameter(&unread), 0); // refused: no write listed

    const std::vector<ReportWrite> list = writes.Writes();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].key, "Pb[0]");
    EXPECT_EQ(list[0].oldValue, before);
    EXPECT_EQ(list[0].newValue, "40.000");
    EXPECT_EQ(list[1].oldValue, "40.000");
    EXPECT_EQ(list[1].newValue, "45.000");
    EXPECT_EQ(list[2].key, "ti[0]");
    EXPECT_EQ(list[2].oldValue, kNoData);
}
