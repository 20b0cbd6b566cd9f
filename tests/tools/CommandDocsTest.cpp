#include "LexCommand.h"
#include "TempDir.h"
#include "TolvaneCli.h"
#include "TreeCommand.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

const QString Completions = QStringLiteral(TOLVANE_SOURCE_DIR "/dist/completion/");

// What bash completion offers for line, the cursor at its end, one candidate per line, sorted.
QStringList Complete(const QString &line)
{
    const QString program = line.section(u' ', 0, 0);
    const QString function = program == u"tolvane" ? "_tolvane" : "_tolvane_cli";
    const QString script = QStringLiteral("source /usr/share/bash-completion/bash_completion\n"
                                          "source \"$1\"\n"
                                          "COMP_LINE=\"$2\"; COMP_POINT=${#COMP_LINE}\n"
                                          "read -ra COMP_WORDS <<<\"$COMP_LINE\"\n"
                                          "[[ $COMP_LINE == *' ' ]] && COMP_WORDS+=('')\n"
                                          "COMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n"
                                          "%1 \"$program\" \"${COMP_WORDS[COMP_CWORD]}\" \"\"\n"
                                          "printf '%s\\n' \"${COMPREPLY[@]}\"\n")
                               .arg(function);
    QProcess bash;
    bash.setWorkingDirectory(QStringLiteral(TOLVANE_SOURCE_DIR));
    bash.start("bash", {"-c", script, "complete", Completions + program, line});
    bash.waitForFinished(20000);
    QStringList offered = QString::fromUtf8(bash.readAllStandardOutput()).split(u'\n');
    offered.removeAll(QString());
    offered.sort();
    const QByteArray errors = bash.readAllStandardError();
    EXPECT_TRUE(errors.isEmpty()) << errors.toStdString();
    return offered;
}

// The commands of tolvane-cli's help, each with the options its help lines name.
QList<QPair<QString, QStringList>> HelpCommands()
{
    QList<QPair<QString, QStringList>> commands;
    const QString help = QString::fromUtf8(TTolvaneCli::HelpText()) + TreeCommandHelp;
    static const QRegularExpression command(QStringLiteral("^  ([a-z]+) (.*)$")),
        option(QStringLiteral("--[a-z]+"));
    for (const QString &line : help.split(u'\n')) {
        if (const QRegularExpressionMatch m = command.match(line); m.hasMatch()) {
            QStringList options;
            for (auto it = option.globalMatch(m.captured(2)); it.hasNext();)
                options << it.next().captured();
            commands.append({m.captured(1), options});
        } else if (!commands.isEmpty() && line.startsWith("       ")) {
            for (auto it = option.globalMatch(line); it.hasNext();)
                commands.last().second << it.next().captured();
        }
    }
    return commands;
}

} // namespace

TEST(CommandDocsTest, BashCompletesCommandsOptionsAndValues)
{
    const struct
    {
        QString line;
        QStringList offered;
    } cases[] = {
        {"tolvane-cli rh", {"rhymes"}},
        {"tolvane-cli p", {"phrases", "pronunciations"}},
        {"tolvane-cli --", {"--data", "--help"}},
        {"tolvane-cli --data /tmp le", {"lex"}},
        {"tolvane-cli lex love --rel ty", {"type-of", "types"}},
        {"tolvane-cli lex love --r", {"--rel"}},
        {"tolvane-cli define verse --s", {"--server", "--strategy"}},
        {"tolvane-cli define verse --server ", {}},
        {"tolvane-cli tree love --", {"--context", "--levels"}},
        {"tolvane-cli syllables the quick --", {"--rule"}},
        {"tolvane-cli get rd", {"rdict.dat"}},
        {"tolvane-cli dump s", {"sdxdict.dat", "syllables.dat"}},
        {"tolvane-cli rhymes lo", {}}, // a word is the user's own
        {"tolvane --ver", {"--version"}},
        {"tolvane --st", {"--style", "--stylesheet"}},
        {"tolvane -style ", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Complete(c.line), c.offered) << c.line.toStdString();
}

// The help, the completion and the manual page describe the same commands and options.
TEST(CommandDocsTest, EveryCommandOfTheHelpIsCompletedAndInTheManual)
{
    const QList<QPair<QString, QStringList>> commands = HelpCommands();
    ASSERT_GE(commands.size(), 14);
    QStringList all = Complete("tolvane-cli ");
    QProcess man;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MANWIDTH", "200");
    env.insert("LC_ALL", "C.UTF-8");
    man.setProcessEnvironment(env);
    man.start("man", {"--warnings", "-l", TOLVANE_SOURCE_DIR "/dist/man/tolvane-cli.1"});
    ASSERT_TRUE(man.waitForFinished(20000));
    const QString page = QString::fromUtf8(man.readAllStandardOutput()).replace(u'\u2010', u'-');
    EXPECT_TRUE(man.readAllStandardError().isEmpty());
    for (const auto &[name, options] : commands) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(all.contains(name));
        const qsizetype entry = page.indexOf("\n       " + name + " ");
        EXPECT_GE(entry, 0) << "no entry in the manual";
        const QString heading = page.mid(entry, page.indexOf(u'\n', entry + 1) - entry);
        const QStringList offered = Complete("tolvane-cli " + name + " x --");
        for (const QString &option : options) {
            EXPECT_TRUE(offered.contains(option)) << option.toStdString();
            EXPECT_TRUE(heading.contains(option)) << option.toStdString();
        }
    }
    for (const QString &relation : Complete("tolvane-cli lex love --rel "))
        EXPECT_GE(TLexCommand::RelationByName(relation.toStdString()), 0) << relation.toStdString();
}

// Help, version and mistakes are answered before the window system is asked for a display.
TEST(CommandDocsTest, TheProgramAnswersItsCommandLineWithoutADisplay)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    const TempDir runtime; // or Qt warns on stderr that there is none
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    const struct
    {
        QStringList args;
        int status;
        QString out, err; // the start of each
    } cases[] = {
        {{"--bogus"}, 1, "", "Unknown option 'bogus'."},
        {{"-reverse", "--version"}, 0, "Tolvane Dictionary of Rhyme 2.0\n", ""},
        {{"-stylesheet", "x.qss", "--help"}, 0, "Usage: ", ""},
        {{"song.txt", "-reversed"}, 1, "", "Unknown option 'reversed'."},
    };
    for (const auto &c : cases) {
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(TOLVANE_APP_DIR "/tolvane", c.args);
        ASSERT_TRUE(program.waitForFinished(20000));
        const std::string args = c.args.join(u' ').toStdString();
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << args;
        EXPECT_EQ(program.exitCode(), c.status) << args;
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput()),
                      err = QString::fromLocal8Bit(program.readAllStandardError());
        EXPECT_TRUE(c.out.isEmpty() ? out.isEmpty() : out.startsWith(c.out))
            << args << ": " << out.toStdString();
        EXPECT_TRUE(c.err.isEmpty() ? err.isEmpty() : err.startsWith(c.err))
            << args << ": " << err.toStdString();
    }
}
