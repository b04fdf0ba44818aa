// varnex --help and --version: the texts, and that the real program gives them without a display.
#include "app/startup/ConsoleAnswer.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include <regex>

namespace varnex {
namespace {

constexpr int kProcessTimeoutMs = 20000;
const std::regex kVersionLine("varnex [0-9]+\\.[0-9]+\\.[0-9]+\n");

TEST(ConsoleAnswer, HelpNamesEveryOptionAndVersionIsOneLine) {
    const auto help = ConsoleAnswer({"varnex", "--help"});
    ASSERT_TRUE(help);
    EXPECT_EQ(help->rfind("Aufruf: varnex [Optionen]", 0), 0u);
    for (const char* option :
         {"\n  -C ", "\n  -L ", "\n  -S ", "\n  -J ", "\n  -N ", "\n  -H ", "\n  -V ",
          "\n  -0:<file> ", "\n  -1:<text> ", "\n  -2:<text> ", "\n  -DL, -DC, -DS ", "\n  --help ",
          "\n  --version ", "\n  <file1> ", "\n  <file2> "}) {
        EXPECT_NE(help->find(option), std::string::npos) << option;
    }
    EXPECT_LT(help->find("\n  --version "), help->find("\n  <file1> ")) << "options first";
    // The meanings stand in one column.
    EXPECT_NE(help->find("\n  -C              Zeichenweise vergleichen\n"), std::string::npos);
    EXPECT_NE(help->find("\n  -DL, -DC, -DS   "), std::string::npos);

    const auto version = ConsoleAnswer({"varnex", "-L", "--version", "--help"});
    ASSERT_TRUE(version);
    EXPECT_TRUE(std::regex_match(*version, kVersionLine)) << *version;
}

TEST(ConsoleAnswer, OtherArgumentsStartTheProgram) {
    EXPECT_FALSE(ConsoleAnswer({"varnex"}));
    EXPECT_FALSE(ConsoleAnswer({"varnex", "-L", "-1:--help", "a", "b"}));
    EXPECT_FALSE(ConsoleAnswer({"--help"})) << "argument 0 is the program";
}

// Without a display Qt cannot start, so an answer proves it was given first.
TEST(ConsoleAnswer, TheRealProgramAnswersWithoutADisplay) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    for (const char* option : {"--help", "--version"}) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VARNEX_BINARY_DIR "/app/varnex"), {QString(option)});
        ASSERT_TRUE(program.waitForFinished(kProcessTimeoutMs)) << option;
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << option;
        EXPECT_EQ(program.exitCode(), 0) << option;
        const std::string out = program.readAllStandardOutput().toStdString();
        EXPECT_EQ(out, *ConsoleAnswer({"varnex", option}));
        EXPECT_TRUE(program.readAllStandardError().isEmpty()) << option;
    }
}

} // namespace
} // namespace varnex
