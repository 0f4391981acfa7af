#include "params/ObjectWithParameters.h"
#include "params/InvisibleElement.h"
#include "params/TextArchive.h"

#include "ScriptedPromptTest.h"

namespace {

class Owner : public ScriptedPromptTest {
protected:
    Parameter* Add(const char* name, bool indexed = false, int index = 0) {
        auto* p = new Parameter(name);
        p->indexed = indexed;
        p->index = index;
        p->caption = std::string("Подпись ") + name;
        owner.Append(p);
        return p;
    }
    InvisibleElement owner;
};

TEST_F(Owner, SetValueByNameFindsAnyCaseAndFlagsOnlyRealChanges) {
    Parameter* p = Add("PrtY");
    p->value = "Четность";
    EXPECT_EQ(owner.SetValueByName("prty", "ЧЕТНОСТЬ"), 1);
    EXPECT_EQ(p->value, "ЧЕТНОСТЬ");
    EXPECT_FALSE(p->changed);
    EXPECT_EQ(owner.SetValueByName("PRTY", "Нечетность"), 1);
    EXPECT_TRUE(p->changed);
    EXPECT_EQ(owner.SetValueByName("none", "1"), 0);
    EXPECT_EQ(owner.GetValueByName("pRtY"), "Нечетность");
    EXPECT_EQ(owner.GetValueByName("none"), "");
}

TEST_F(Owner, NameOfElementSetsCaptionNotAParameter) {
    EXPECT_EQ(owner.SetValueByName("Название", "Линия 1"), InvisibleElement::kCaptionSet);
    EXPECT_EQ(owner.caption, "Линия 1");
    EXPECT_EQ(owner.GetTitle(), "Линия 1 (Невизуальный элемент)");
}

TEST_F(Owner, LinearIndexWarnsOnlyOnLaterCallsForOddIndexes) {
    Add("a");
    Add("b", true, 2);
    Add("c", true, 2);
    Add("d", true, 3);
    EXPECT_EQ(owner.GetLinearIndex(), 2);
    EXPECT_TRUE(prompter.Shown().empty());

    prompter.Script(PromptAnswer::Ok);
    EXPECT_EQ(owner.GetLinearIndex(), 2);
    const auto shown = TakeShown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Параметер 'd' (Подпись d) имеет подозрительный линейный индекс.");
    EXPECT_EQ(shown[0].caption, "Предупреждение");
    EXPECT_EQ(shown[0].icon, PromptIcon::Warning);
}

TEST_F(Owner, SetLinearIndexMovesIndexedParametersOnly) {
    Parameter* plain = Add("a");
    Parameter* indexed = Add("b", true, 2);
    owner.SetLinearIndex(5);
    EXPECT_EQ(plain->index, 0);
    EXPECT_EQ(indexed->index, 5);
    EXPECT_EQ(owner.GetLinearIndex(), 5);
}

TEST_F(Owner, ChangeQueriesSeeTheirFlags) {
    Parameter* p = Add("a");
    p->value = "1";
    EXPECT_EQ(owner.GetChangeState(), 0);
    EXPECT_FALSE(owner.HasChanges());
    p->changed = true;
    EXPECT_EQ(owner.GetChangeState(), 2);
    EXPECT_TRUE(owner.HasChanges());
}

TEST_F(Owner, ResetValuesClearsValuesFlagsAndMessages) {
    Parameter* p = Add("a");
    p->value = "1";
    p->message = "ошибка";
    p->changed = true;
    EXPECT_FALSE(owner.HasMissingValues());
    owner.ResetValues();
    EXPECT_EQ(p->value, kNoData);
    EXPECT_TRUE(p->message.empty());
    EXPECT_EQ(owner.GetChangeState(), 0);
    p->value = "нет данных";
    EXPECT_TRUE(owner.HasMissingValues());
}

TEST_F(Owner, HasErrorsSkipsTheNotesThatAreNoFailures) {
    Parameter* p = Add("a");
    struct Case {
        std::string message;
        bool countNotes;
        bool error;
    } cases[] = {
        {"", true, false},
        {kNotInitialisedNote, true, false},
        {"Знач-е в приборе: 5", false, false},
        {"Знач-е в приборе: 5", true, true},
        {"Нет ответа", false, true},
    };
    for (const Case& c : cases) {
        p->message = c.message;
        EXPECT_EQ(owner.HasErrors(c.countNotes), c.error) << c.message << " " << c.countNotes;
    }
}

TEST_F(Owner, FindByNameAnswersTheFirstOfAName) {
    Parameter* first = Add("Addr");
    Add("ADDR");
    EXPECT_EQ(owner.FindByName("addr"), first);
    EXPECT_EQ(owner.FindByName("missing"), nullptr);
}

TEST_F(Owner, BuildParametersOfTheBaseRemovesThem) {
    Add("a");
    owner.BuildParameters();
    EXPECT_TRUE(owner.Parameters().empty());
}

TEST_F(Owner, ArchiveRoundTripAndCutArchiveChangesNothing) {
    Add("bPS")->value = "9600";
    Add("Addr")->value = "16";
    std::string archive;
    owner.Store(archive);

    owner.ResetValues();
    std::size_t pos = 0;
    EXPECT_EQ(owner.Load(std::string_view(archive).substr(0, archive.size() - 1), pos),
              kArchiveTruncated);
    EXPECT_EQ(pos, 0u);
    EXPECT_EQ(owner.GetValueByName("bPS"), kNoData);

    ASSERT_EQ(owner.Load(archive, pos), kArchiveOk);
    EXPECT_EQ(pos, archive.size());
    EXPECT_EQ(owner.GetValueByName("bPS"), "9600");
    EXPECT_EQ(owner.GetValueByName("Addr"), "16");
}

TEST_F(Owner, ElementDescriptionListsTheLinkSettings) {
    Add("bPS")->value = "9600";
    Add("LEn")->value = "8";
    Add("PrtY")->value = "Отсутствует";
    Add("Sbit")->value = "1";
    Add("A.Len")->value = "8";
    Add("Addr")->value = "16";
    EXPECT_EQ(owner.GetDescription(), "Скорость: 9600\r\nДлина слова данных: 8\r\n"
                                      "Четность: Отсутствует\r\nКол-во стоп-бит: 1\r\n"
                                      "Длина адреса: 8\r\nАдрес: 16\r\n");
}

TEST_F(Owner, ElementIdentity) {
    EXPECT_EQ(owner.GetTitle(), "Невизуальный элемент (Невизуальный элемент)");
    EXPECT_EQ(owner.GetTypeCode(), -999);
    EXPECT_EQ(owner.GetGroupName(), "Не относящиеся ко схеме");
    EXPECT_EQ(owner.GetBounds(), ElementBounds{});
    EXPECT_EQ(owner.GetElementKind(), 0);
    EXPECT_EQ(owner.GetElementVariant(), 0);
}

} // namespace
