#include "CheckCommand.h"

#include "InputFile.h"
#include "VerseFormCheck.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

constexpr int kAllOk = 0, kMarked = 1, kBadUsage = 2;
// Far above any poem; the whole file is read at once.
constexpr qint64 kMaxPoemBytes = qint64(64) << 20;

std::string Utf8(const QString &text)
{
    return text.toUtf8().toStdString();
}

// UTF-8, or else the 8-bit code page that documents are also written in.
QStringList ReadPoem(const QString &path)
{
    const std::string bytes = ReadInputFile(path, kMaxPoemBytes);
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (decoder.hasError())
        text = QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

QStringList ReadPattern(const QString &path)
{
    QStringList rows = ReadPoem(path);
    for (QString &row : rows)
        row = row.trimmed();
    return rows;
}

} // namespace

QStringList TCheckCommand::FormNames(const QString &formsFolder)
{
    QStringList names;
    for (const QFileInfo &file :
         QDir(formsFolder).entryInfoList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
        names << file.completeBaseName();
    return names;
}

int TCheckCommand::UnknownForm(const QString &form)
{
    err_ << "tolvane-cli: unknown verse form \"" << Utf8(form) << "\"; the forms are:\n";
    for (const QString &name : FormNames(formsFolder_))
        err_ << "  " << Utf8(name) << '\n';
    return kBadUsage;
}

int TCheckCommand::Run(const QStringList &args)
{
    if (args.size() != 2) {
        err_ << "tolvane-cli: check takes FORM FILE\n";
        return kBadUsage;
    }
    const QString &form = args.at(0);
    const bool scheme = form == QLatin1String("-");
    const QString patternPath = formsFolder_ + form + QStringLiteral(".txt");
    if (!scheme && (form.contains(u'/') || !QFileInfo(patternPath).isFile()))
        return UnknownForm(form);
    TVerseFormCheck pattern;
    if (!scheme)
        pattern.SetPattern(ReadPattern(patternPath));
    const QStringList lines = ReadPoem(args.at(1));
    const TPoemCheck check(syllables_, rhymes_);
    const std::vector<TLineCheck> checks =
        scheme ? check.Scheme(lines) : check.Check(lines, pattern);
    int status = kAllOk;
    for (std::size_t i = 0; i < checks.size(); ++i) {
        const TLineCheck &line = checks[i];
        const TPatternRow row = pattern.Row(line.patternRow);
        const QString wanted = row.syllables >= 0 ? row.count : QStringLiteral("-");
        const QString letter = line.letter.isEmpty() ? QStringLiteral("-") : line.letter;
        const QString verdict = line.Verdict();
        if (verdict != QLatin1String("ok"))
            status = kMarked;
        out_ << i + 1 << '\t' << Utf8(line.CountText()) << '\t' << Utf8(wanted) << '\t'
             << Utf8(letter) << '\t' << Utf8(verdict) << '\n';
    }
    return status;
}
