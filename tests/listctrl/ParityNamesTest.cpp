// The connection list shows the parity numbers of the port settings as names.

#include "ListFixture.h"
#include "pages/ConnectionList.h"

namespace {

struct ParityCase {
    std::string value;
    std::string shown;
};

TEST(ConnectionList, ParityNumbersBecomeNames) {
    const ParityCase cases[] = {
        {"1", "Четность"}, {"3", "Отсутствует"},         {"4", "Нечетность"},
        {"2", ""},         {"Нет данных", "Нет данных"},
    };
    FakeSheet sheet;
    std::deque<Parameter> parameters;
    ConnectionList list(sheet, nullptr);
    for (const ParityCase& c : cases)
        parameters.emplace_back("PrtY").value = c.value;
    parameters.emplace_back("bPS").value = "9600";
    for (Parameter& p : parameters) {
        const int row = list.rowCount();
        list.InsertRow(row, "", 0);
        list.SetRowParameter(row, &p);
    }
    list.ShowParityNames();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(parameters[i].value, cases[i].shown) << cases[i].value;
        EXPECT_EQ(list.CellText(static_cast<int>(i), 2), cases[i].shown);
    }
    EXPECT_EQ(list.CellText(5, 2), "9600");
}

} // namespace
