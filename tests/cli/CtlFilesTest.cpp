// dump, diff and restore with the files a field engineer gives them: where a
// written file goes, and every way a file to read can be wrong, seen from the
// exit code, what was said, the requests sent and the controller's journal.

#include "CtlOnSim.h"

#include "util/CodePage1251.h"

#include <filesystem>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
constexpr auto npos = std::string::npos;
constexpr const char* kEnd = "# Конец файла, значений: ";

class CtlFilesTest : public CtlOnSim {
protected:
    // A dump of the fresh controller.
    std::string Dumped() {
        const Outcome o = Run(Pty() + "dump " + dir.file("site.cfg"));
        EXPECT_EQ(o.exitCode, 0) << o.err;
        return Slurp(dir.file("site.cfg"));
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir.file(name), std::ios::binary) << bytes;
        return dir.file(name);
    }
    static std::string Replaced(std::string text, const std::string& from, const std::string& to) {
        const std::size_t at = text.find(from);
        EXPECT_NE(at, npos) << from;
        return at == npos ? text : text.replace(at, from.size(), to);
    }
};

TEST_F(CtlFilesTest, DumpWritesWhereThePathLeads) {
    Start();
    Outcome o = Run(Pty() + "dump -");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_NE(o.out.find(kEnd), npos);
    EXPECT_EQ(o.out.find("Сохранено"), npos); // the file alone on standard output
    EXPECT_NE(o.err.find("Сохранено параметров: "), npos) << o.err;
    EXPECT_FALSE(fs::exists("-"));

    // A symlink to the tool's own standard output, a pipe: written through.
    const std::string toStdout = dir.file("out-link");
    fs::create_symlink("/proc/self/fd/1", toStdout);
    o = Run(Pty() + "dump " + toStdout + " 2>/dev/null | cat");
    EXPECT_EQ(o.exitCode, 0);
    EXPECT_NE(o.out.find(kEnd), npos) << o.out.size();
    EXPECT_TRUE(fs::is_symlink(toStdout));

    const std::string fifo = dir.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string throughFifo;
    std::thread reader([&] { throughFifo = Slurp(fifo); });
    o = Run(Pty() + "dump " + fifo);
    reader.join();
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_NE(throughFifo.find(kEnd), npos);
    EXPECT_TRUE(fs::is_fifo(fifo));

    // A device that takes nothing (a node of /dev/full, where we may make one).
    const std::string full = dir.file("full");
    if (::mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0) {
        o = Run(Pty() + "dump " + full);
        EXPECT_EQ(o.exitCode, 2);
        EXPECT_EQ(o.err.rfind("Не удается записать файл " + full + ": ", 0), 0u) << o.err;
        EXPECT_TRUE(fs::is_character_file(full));
    }

    // A group-writable file of another user, reached through a symlink.
    const std::string kept = Write("kept.cfg", "old\n"), toKept = dir.file("kept-link");
    ASSERT_EQ(::chmod(kept.c_str(), 0664), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(kept.c_str(), 1234, 1235), 0);
    }
    fs::create_symlink(kept, toKept);
    o = Run(Pty() + "dump " + toKept);
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_TRUE(fs::is_symlink(toKept));
    struct stat st {};
    ASSERT_EQ(::stat(kept.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0664u);
    if (root) {
        EXPECT_EQ(std::make_pair(st.st_uid, st.st_gid), std::make_pair(1234u, 1235u));
    }
    EXPECT_NE(Slurp(kept).find(kEnd), npos);
    for (const fs::directory_entry& e : fs::directory_iterator(dir.path()))
        EXPECT_NE(e.path().extension(), ".tmp") << e.path(); // no temporary left behind

    // Refused before the first request, not after the long read.
    const int sent = requests;
    const std::pair<std::string, std::string> refused[] = {
        {dir.path().string(), "это папка, а не файл"},
        {dir.file("no/such.cfg"), "нет папки " + dir.file("no")},
    };
    for (const auto& [target, reason] : refused) {
        o = Run(Pty() + "dump " + target);
        EXPECT_EQ(o.exitCode, 2) << target;
        EXPECT_EQ(o.err, "Не удается записать файл " + target + ": " + reason + "\n");
    }
    EXPECT_EQ(requests, sent);
}

// Nothing is sent for a file that is not whole and right.
TEST_F(CtlFilesTest, FilesThatCannotBeTakenAreNamedAndNothingIsSent) {
    Start();
    const std::string good = Dumped();
    const std::string cut = good.substr(0, good.find("Pb[0] = ") + 9);
    const std::string changes = "ind.t = 00:10\nPb[0] = 45\n";
    const std::string big = Write("big.cfg", std::string(5 << 20, '#'));
    fs::create_directory(dir.file("folder"));
    const struct {
        std::string args;
        std::string err;
    } cases[] = {
        {"restore " + dir.file("none.cfg"),
         "Не удается прочитать файл " + dir.file("none.cfg") + ": такого файла нет"},
        {"restore " + dir.file("folder"),
         "Не удается прочитать файл " + dir.file("folder") + ": это папка, а не файл"},
        {"diff " + big, "Не удается прочитать файл " + big + ": файл слишком велик (больше 4 МБ)"},
        {"diff /dev/null", "/dev/null: В файле нет ни одного значения"},
        {"diff " + Write("empty.cfg", "") + " --partial",
         dir.file("empty.cfg") + ": В файле нет ни одного значения"},
        {"restore " + Write("cut.cfg", cut),
         dir.file("cut.cfg") + ": Файл обрезан: нет последней строки"},
        {"diff " + Write("more.cfg", Replaced(good, kEnd, "Pb[9] = 1\n" + std::string(kEnd))),
         dir.file("more.cfg") + ": Файл обрезан или изменен: значений в нем "},
        {"restore --partial " + Write("wrong.cfg", changes + "behv = Взлететь\n"),
         dir.file("wrong.cfg") + ": Строка 3: недопустимое значение 'Взлететь' для параметра "
                                 "behv: возможные значения: Переход в \"Старт\", Продолжение "
                                 "работы, Переход в \"Стоп\""},
        {"restore --partial --modification " + Write("mod.cfg", changes + "mod.v = 7\n"),
         dir.file("mod.cfg") + ": Строка 3: недопустимое значение '7' для параметра mod.v "
                               "(модификации от 1 до 6)"},
        {"restore --partial " + Write("utf16.cfg", "\xFF\xFEi\0n\0"),
         dir.file("utf16.cfg") + ": Файл в кодировке UTF-16; сохраните его в кодировке UTF-8"},
        {"diff extra " + dir.file("site.cfg"), "Использование: zrk640ctl diff ФАЙЛ [--partial]"},
    };
    const int sent = requests;
    for (const auto& c : cases) {
        const Outcome o = Run(Pty() + c.args);
        EXPECT_EQ(o.exitCode, 2) << c.args << "\n" << o.err;
        EXPECT_EQ(o.err.rfind(c.err, 0), 0u) << o.err;
        EXPECT_EQ(o.out, "") << c.args;
    }
    EXPECT_EQ(requests, sent);
    EXPECT_TRUE(sim.JournalLines().empty());
}

TEST_F(CtlFilesTest, FilesOfOtherEditorsAndHandMadeOnesAreTaken) {
    Start();
    const std::string good = Dumped();
    Outcome o = Run(Pty() + "diff " + Write("bom.cfg", "\xEF\xBB\xBF" + good));
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(o.out, "Различий нет.\n");

    const std::string few = "behv = Переход в \"Стоп\"\nPb[0] = 45\n";
    o = Run(Pty() + "restore " + Write("few.cfg", CodePage1251::FromUtf8(few)) + " --partial");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_NE(o.out.find("Изменено: 2, не изменено: 0"), npos) << o.out;
    EXPECT_EQ(sim.JournalLines(),
              (std::vector<std::string>{"behv[0]=Переход в \"Стоп\" #2", "Pb[0]=45.000"}));
    // Without --partial the same file is taken for one cut short.
    o = Run(Pty() + "restore " + dir.file("few.cfg"));
    EXPECT_EQ(o.exitCode, 2);
    EXPECT_NE(o.err.find("--partial"), npos) << o.err;
}

// A value the dump could not read is kept as unread: restore skips it, diff
// does not call the file equal.
TEST_F(CtlFilesTest, UnreadValuesAreSkippedAndSaid) {
    Start();
    const std::string good = Dumped();
    const std::size_t at = good.find("Pb[0] = ");
    const std::string band = good.substr(at, good.find('\n', at) - at + 1);
    const std::string marked = Replaced(Replaced(good, band,
                                                 "Pb[0] = Нет данных  # ; не прочитано: "
                                                 "Таймаут\n"),
                                        "ind.t = 00:05", "ind.t = 00:10");
    const std::string file = Write("marked.cfg", marked);
    Outcome o = Run(Pty() + "diff " + file);
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_EQ(o.out, "ind.t: в файле 00:10, в приборе 00:05\n"
                     "Pb[0]: не сравнивается: в файле значение не прочитано (\"Нет данных\")\n");
    o = Run(Pty() + "restore " + file);
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_NE(o.out.find("Pb[0]: пропущено: значение не было прочитано, когда файл сохраняли\n"),
              npos)
        << o.out;
    EXPECT_NE(o.out.find("Изменено: 1, не изменено: 1"), npos) << o.out;
    EXPECT_EQ(sim.JournalLines(), (std::vector<std::string>{"ind.t[0]=00:10"}));
}

// A line that goes dead leaves no short file and keeps the old one.
TEST_F(CtlFilesTest, DumpOnADeadLineWritesNoFile) {
    Start();
    const std::string file = Write("old.cfg", "old\n");
    FaultSettings faults;
    faults.silentAfter = 40;
    sim.SetFaults(faults);
    const Outcome o = Run(Pty() + "dump " + file);
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_NE(o.err.find("\nФайл не записан.\n"), npos) << o.err;
    EXPECT_EQ(Slurp(file), "old\n");
    // Two reads unanswered in a row (each asked three times, four time-outs
    // each) end it, not some 800 more.
    EXPECT_LE(requests, 40 + 2 * 12 + 2);
}

TEST_F(CtlFilesTest, ModificationChangeReportsBothModifications) {
    ControllerModel::Options model;
    model.modification = 3;
    model.changeTime = std::chrono::milliseconds(50);
    Start({}, model);
    const std::string file = Write("mod1.cfg", "mod.v = 1\n");
    const Outcome o = Run(Pty() + "restore " + file + " --partial --modification");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_NE(o.out.find("mod.v: 3 -> 1 (все настройки сброшены)\n"), npos) << o.out;
    EXPECT_EQ(o.err.find("Произвести"), npos) << o.err; // no question it does not ask
    EXPECT_NE(o.err.find("Внимание! Прибор будет переведен в модификацию 1"), npos) << o.err;
    EXPECT_EQ(sim.Modification(), 1);
}

} // namespace
