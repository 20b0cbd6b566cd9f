#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the program's command line asks for: the window, with a document to open or none, or
// only a text printed in the terminal (help, version, a mistake in the options).
class TCommandLine
{
public:
    enum class TRequest
    {
        Run,
        Help,
        Version,
        Error
    };

    // arguments: as QCoreApplication::arguments() gives them, the program's own path first.
    explicit TCommandLine(const QStringList &arguments);

    TRequest Request() const { return request_; }
    // The document to open, an absolute path; empty when none was named.
    QString Document() const { return document_; }
    // The documents named after the first: one document is open at a time.
    QStringList Ignored() const { return ignored_; }
    // What to print for Help, Version and Error; empty for Run.
    QString Text() const { return text_; }

    // arguments without the options the application object takes for itself (and their
    // values); everything after "--" is kept.
    static QStringList WithoutToolkitOptions(const QStringList &arguments);

private:
    TRequest request_ = TRequest::Run;
    QString document_;
    QStringList ignored_;
    QString text_;
};

// Gives the application object the program's name, version and desktop entry.
void NameApplication();

// Prints the help, the version or a mistake in the options when the command line holds one, with
// no window system needed, and returns the exit status; returns nothing when the program is to
// start.
std::optional<int> AnswerWithoutWindow(int &argc, char **argv);
// Prints line's text (help and version on stdout, a mistake on stderr); returns the exit status.
int PrintAnswer(const TCommandLine &line);
