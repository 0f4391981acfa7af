// The field tools of zrk640ctl against the simulated controller: one flow
// per tool, seen from the program's output, its exit code, the files it
// writes and the controller's journal.

#include "CtlOnSim.h"

#include "link/LineTiming.h"

#include <chrono>

namespace {

using FieldToolsTest = CtlOnSim;

TEST_F(FieldToolsTest, DumpDiffRestoreBringsBackOnlyWhatDiffers) {
    Start();
    const std::string file = dir.file("zrk.cfg");
    Outcome o = Run(Pty() + "dump " + file);
    ASSERT_EQ(o.exitCode, 0) << o.err;
    const std::string text = Slurp(file);
    // The modification and the channel count lead; then groups by channel and block.
    EXPECT_NE(text.find("# Модификация и каналы\nmod.v = 1  # Номер модификации прибора\n"
                        "n.Ch = 1  # Количество задействованных каналов\n"),
              std::string::npos)
        << text.substr(0, 400);
    EXPECT_NE(text.find("# Канал 1: Регулятор\nrEG.t[0] = ПИД  # Тип регулятора 1\n"),
              std::string::npos);
    EXPECT_EQ(text.find("rEAd"), std::string::npos); // measurements are no configuration

    for (const char* change : {"write Pb:0 50", "write ind.t 00:10",
                               "write rel.a:3 \"Выходной элемент №5\"", "write n.Ch 2"})
        ASSERT_EQ(Run(Pty() + change).exitCode, 0) << change;
    o = Run(Pty() + "diff " + file);
    EXPECT_EQ(o.exitCode, 1);
    for (const char* line : {"n.Ch: в файле 1, в приборе 2\n", "Pb[0]: в файле 30.000, в приборе 50.000\n",
                             "ind.t: в файле 00:05, в приборе 00:10\n",
                             "rel.a[3]: в файле Не подключен, в приборе Выходной элемент №5\n"})
        EXPECT_NE(o.out.find(line), std::string::npos) << line << o.out;

    const std::size_t before = sim.JournalLines().size();
    std::ofstream(dir.file("bad.cfg")) << "ind.t = 00:05\nPb[0] = много  # typed by hand\n";
    o = Run(Pty() + "restore --partial " + dir.file("bad.cfg"));
    EXPECT_EQ(o.exitCode, 2);
    EXPECT_EQ(o.err, dir.file("bad.cfg") +
                         ": Строка 2: недопустимое значение 'много' для параметра Pb (от 0.1 до 9999)\n");
    EXPECT_EQ(sim.JournalLines().size(), before);

    o = Run(Pty() + "restore " + file);
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_NE(o.out.find("Изменено: 4, не изменено: 0"), std::string::npos) << o.out;
    // The second channel released as the channel configuration does it, the
    // remaining computing block as the count page sets it, then the three
    // values; nothing the file and the controller agree on.
    EXPECT_EQ(JournalFrom(before),
              (std::vector<std::string>{"op[2]=Не подключен #0", "se.p[2]=Отключен #0",
                                        "npc[16]=0", "od.tp[1]=Выключен #0",
                                        "cal.t[8]=Выключен #9", "regl[1]=Выключен #0",
                                        "n.Ch[0]=1", "cal.t[0]=Повторитель #0", "ind.t[0]=00:05", "Pb[0]=30.000",
                                        "rel.a[3]=Не подключен #0"}));
    o = Run(Pty() + "diff " + file);
    EXPECT_EQ(o.exitCode, 0) << o.out;
    EXPECT_EQ(o.out, "Различий нет.\n");
}

TEST_F(FieldToolsTest, ScanFindsAControllerNobodyRemembers) {
    LinkConfig line;
    line.baud = 19200;
    line.parity = 1;
    line.address = 200;
    line.addressLength = 11;
    Start(line);
    const Outcome o = Run(Pty() + "scan");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_NE(o.out.find("Параметры связи: --baud 19200 --parity even --bits 8 --stop 1 "
                         "--addr 200 --addr-len 11\n"),
              std::string::npos)
        << o.out;
    EXPECT_NE(o.err.find("Поиск: 9600 бит/с, 8 бит, без четности, стоп-бит 1, адрес 8 бит - 0 из "),
              std::string::npos)
        << o.err;
}

// Without broadcast each address costs one request and at most one time-out.
TEST_F(FieldToolsTest, AddressSweepCostsOneTimeOutPerAddress) {
    Start();
    LineSettings settings;
    settings.baud_rate = 115200;
    const auto timeout = std::chrono::milliseconds(LineTiming(settings).reply_timeout_ms());
    const auto start = std::chrono::steady_clock::now();
    const Outcome o = Run(Pty() + "--baud 115200 --parity none --stop 1 --bits 8 --addr-len 8 scan "
                                  "--no-broadcast --addresses 0-7");
    const auto spent = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_EQ(o.err.substr(o.err.rfind("Приборы")), "Приборы не найдены (запросов: 8)\n");
    EXPECT_EQ(requests, 8);
    EXPECT_LT(spent, 8 * timeout + std::chrono::milliseconds(400));
}

TEST_F(FieldToolsTest, RelinkGoesBackWhenTheControllerRefusesTheSettings) {
    Start();
    // 300 is no 8-bit address: the controller refuses to apply it.
    Outcome o = Run(Pty() + "relink --addr 300");
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_NE(o.err.find("Прибор не применил новые параметры связи (APLY)"), std::string::npos)
        << o.err;
    EXPECT_NE(o.err.find("Прибор работает с прежними параметрами связи."), std::string::npos);
    EXPECT_EQ(sim.JournalLines(), (std::vector<std::string>{"Addr[0]=300", "Addr[0]=16"}));

    o = Run(Pty() + "relink --baud 19200");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    EXPECT_NE(o.out.find("Прибор отвечает с новыми параметрами связи.\nПараметры связи: --baud 19200 "),
              std::string::npos)
        << o.out;
    EXPECT_EQ(sim.ActiveLink().baud, 19200u);
}

TEST_F(FieldToolsTest, TcpPortReadsAndWrites) {
    Start();
    Outcome o = Run(Tcp() + "write Pb:1 12.5");
    EXPECT_EQ(o.exitCode, 0) << o.err;
    o = Run(Tcp() + "read Pb:1");
    EXPECT_EQ(o.out, "12.500\n");
    EXPECT_EQ(sim.JournalLines(), (std::vector<std::string>{"Pb[1]=12.500"}));
    o = Run("--port tcp://127.0.0.1 read Pb:1");
    EXPECT_EQ(o.exitCode, 3);
    EXPECT_NE(o.err.find("ожидается tcp://АДРЕС:ПОРТ"), std::string::npos) << o.err;
}

} // namespace

TEST_F(FieldToolsTest, ReportHoldsIdentityValuesLinksAndGraph) {
    Start();
    for (const char* change : {"write Pb:0 55.5", "write absc:0 10", "write ordn:0 100",
                               "write absc:1 20", "write ordn:1 150", "write absc:2 30",
                               "write ordn:2 120", "write node:0 3",
                               "write rel.a:0 \"Выходной элемент №4\""})
        ASSERT_EQ(Run(Pty() + change).exitCode, 0) << change;
    std::string model, firmware;
    ASSERT_TRUE(sim.Value("dev", 0, model));
    ASSERT_TRUE(sim.Value("ver", 0, firmware));
    const std::size_t journal = sim.JournalLines().size();

    const std::string pdf = dir.file("site.pdf");
    Outcome o = Run(Pty() + "report " + pdf);
    ASSERT_EQ(o.exitCode, 0) << o.err;
    ASSERT_EQ(std::system(("pdftotext -layout " + pdf + " " + dir.file("pdf.txt")).c_str()), 0);
    ASSERT_EQ(std::system(("pdfimages -list " + pdf + " >" + dir.file("images")).c_str()), 0);
    const std::string html = dir.file("site.html");
    o = Run(Pty() + "report " + html);
    ASSERT_EQ(o.exitCode, 0) << o.err;
    EXPECT_EQ(sim.JournalLines().size(), journal); // a report only reads

    const std::string pdfText = Slurp(dir.file("pdf.txt"));
    const std::string htmlText = Slurp(html);
    for (const std::string& text : {pdfText, htmlText}) {
        for (const std::string& wanted :
             {model, firmware, std::string("Канал 1: Регулятор"), std::string("Pb[0]"),
              std::string("55.500"), std::string("Выходной элемент №4"),
              std::string("Подключение выходных элементов"), std::string("150.000"),
              std::string("Адрес и параметры связи")})
            EXPECT_NE(text.find(wanted), std::string::npos) << wanted;
        // One channel in use: nothing of the second.
        EXPECT_EQ(text.find("Канал 2:"), std::string::npos);
    }
    // A page number at the foot of the first page; the graph as a picture.
    std::string firstPage = pdfText.substr(0, pdfText.find('\f'));
    firstPage.erase(firstPage.find_last_not_of(" \n") + 1);
    EXPECT_EQ(firstPage.substr(firstPage.size() - 2), " 1") << firstPage;
    const std::string images = Slurp(dir.file("images"));
    EXPECT_NE(images.find(" image "), std::string::npos) << images;
    EXPECT_NE(htmlText.find("<img src=\"data:image/png;base64,iVBOR"), std::string::npos);

    o = Run(Pty() + "report " + dir.file("site.txt"));
    EXPECT_EQ(o.exitCode, 2);
    EXPECT_EQ(o.err, "Использование: zrk640ctl report ФАЙЛ.pdf|ФАЙЛ.html\n");
    EXPECT_FALSE(std::ifstream(dir.file("site.txt")).good());
}

TEST_F(FieldToolsTest, ReportOfAControllerThatFallsSilentIsNotWritten) {
    Start();
    FaultSettings faults;
    faults.silentAfter = 60;
    sim.SetFaults(faults);
    const std::string pdf = dir.file("site.pdf");
    const Outcome o = Run(Pty() + "report " + pdf);
    EXPECT_EQ(o.exitCode, 1);
    EXPECT_NE(o.err.find("Отчёт не записан."), std::string::npos) << o.err;
    EXPECT_FALSE(std::ifstream(pdf).good());
}
