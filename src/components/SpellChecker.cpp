#include "SpellChecker.h"

#include "AppFolders.h"
#include "SpellTokens.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <hunspell.hxx>

namespace {

std::unique_ptr<TSpellChecker> &TheInstance()
{
    static std::unique_ptr<TSpellChecker> instance;
    return instance;
}

// Hunspell refuses words longer than this anyway, and suggesting for them is slow.
constexpr int LongestWord = 64;
// Enough for every distinct word of a long poem; cleared when full.
constexpr int KnownWordsLimit = 50000;

bool SameWord(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool OnlySpaces(QStringView gap)
{
    if (gap.isEmpty())
        return false;
    for (const QChar ch : gap)
        if (ch != QLatin1Char(' ') && ch != QLatin1Char('\t'))
            return false;
    return true;
}

bool IsPlainWord(const QString &word)
{
    if (word.isEmpty())
        return false;
    for (const QChar ch : word)
        if (ch.isSpace() || ch.category() == QChar::Other_Control)
            return false;
    return true;
}

} // namespace

TSpellChecker &TSpellChecker::Instance()
{
    if (!TheInstance()) {
        const TUserFile user = LocateUserFile(QStringLiteral("spellconfig.dic"));
        TheInstance() = std::make_unique<TSpellChecker>(DefaultAffixFile(), DefaultDictionaryFile(),
                                                        user.path, user.seed);
    }
    return *TheInstance();
}

void TSpellChecker::FreeInstance()
{
    TheInstance().reset();
}

QString TSpellChecker::DefaultAffixFile()
{
    return AppFolder() + QStringLiteral("en_US.aff");
}

QString TSpellChecker::DefaultDictionaryFile()
{
    return AppFolder() + QStringLiteral("en_US.dic");
}

QString TSpellChecker::DefaultUserFile()
{
    return LocateUserFile(QStringLiteral("spellconfig.dic")).path;
}

TSpellChecker::TSpellChecker(const QString &affixFile, const QString &dictionaryFile,
                             const QString &userFile, const QString &userSeed)
    : userFile_(userFile), userSeed_(userSeed)
{
    Load(affixFile, dictionaryFile);
    if (hunspell_)
        LoadUserWords();
}

TSpellChecker::~TSpellChecker() = default;

void TSpellChecker::Load(const QString &affixFile, const QString &dictionaryFile)
{
    for (const QString &file : {affixFile, dictionaryFile}) {
        if (!QFileInfo(file).isFile()) {
            error_ = tr("The spelling dictionary \"%1\" cannot be found; spelling is not checked.")
                         .arg(file);
            return;
        }
    }
    auto hunspell = std::make_unique<Hunspell>(QFile::encodeName(affixFile).constData(),
                                               QFile::encodeName(dictionaryFile).constData());
    encoding_ = QByteArray::fromStdString(hunspell->get_dict_encoding());
    if (!QStringEncoder(encoding_.constData()).isValid()) {
        error_ = tr("The spelling dictionary \"%1\" uses the unknown character set \"%2\"; "
                    "spelling is not checked.")
                     .arg(dictionaryFile, QString::fromLatin1(encoding_));
        return;
    }
    hunspell_ = std::move(hunspell);
}

void TSpellChecker::LoadUserWords()
{
    QFile file(TUserFile{userFile_, userSeed_}.ReadPath());
    if (!file.open(QIODevice::ReadOnly))
        return; // no words of the user's yet
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QString word = QString::fromUtf8(line).trimmed();
        if (IsPlainWord(word))
            AddToSession(word);
    }
}

std::optional<std::string> TSpellChecker::Encode(const QString &word) const
{
    QStringEncoder encoder(encoding_.constData());
    const QByteArray bytes = encoder.encode(word);
    if (encoder.hasError())
        return std::nullopt;
    return bytes.toStdString();
}

bool TSpellChecker::IsCorrect(const QString &word) const
{
    if (!hunspell_ || word.isEmpty())
        return true;
    const QString form = SpellingForm(word);
    // An ignored word in small letters is ignored with a capital or in capitals too.
    if (ignored_.contains(form) || ignored_.contains(form.toLower()))
        return true;
    const auto known = known_.constFind(form);
    if (known != known_.cend())
        return *known;
    if (known_.size() >= KnownWordsLimit)
        known_.clear();
    const bool correct = CheckWord(form);
    known_.insert(form, correct);
    return correct;
}

bool TSpellChecker::CheckWord(const QString &word) const
{
    if (word.size() > LongestWord)
        return false;
    const std::optional<std::string> encoded = Encode(word);
    return !encoded || hunspell_->spell(*encoded);
}

QStringList TSpellChecker::Suggest(const QString &word, int limit) const
{
    QStringList suggestions;
    if (!hunspell_ || word.size() > LongestWord)
        return suggestions;
    const std::optional<std::string> encoded = Encode(SpellingForm(word));
    if (!encoded)
        return suggestions;
    for (const std::string &suggestion : hunspell_->suggest(*encoded)) {
        if (suggestions.size() >= limit)
            break;
        QStringDecoder decoder(encoding_.constData());
        suggestions << decoder.decode(QByteArray::fromStdString(suggestion));
    }
    return suggestions;
}

std::vector<TMisspelling> TSpellChecker::CheckLine(const QString &line) const
{
    std::vector<TMisspelling> found;
    if (!hunspell_)
        return found;
    const std::vector<TWordToken> tokens = SpellTokens(line);
    for (size_t i = 0; i < tokens.size(); ++i) {
        const TWordToken &token = tokens[i];
        if (!token.checked)
            continue;
        const QString word = line.mid(token.start, token.length);
        if (i > 0 && tokens[i - 1].checked) {
            const TWordToken &before = tokens[i - 1];
            const QStringView gap = QStringView(line).mid(before.end(), token.start - before.end());
            if (OnlySpaces(gap) && SameWord(word, line.mid(before.start, before.length))) {
                found.push_back({token.start, token.length, TMisspelling::Repeated, word});
                continue;
            }
        }
        if (!IsCorrect(word))
            found.push_back({token.start, token.length, TMisspelling::Misspelled, word});
    }
    return found;
}

// The file is written whole beside itself and then renamed over the old one, so a failed
// write leaves the previous words in place.
bool TSpellChecker::AddWord(const QString &word, QString *error)
{
    const QString form = SpellingForm(word.trimmed());
    const auto fail = [error](const QString &message) {
        if (error)
            *error = message;
        return false;
    };
    if (!IsPlainWord(form))
        return fail(tr("\"%1\" is not a single word.").arg(word));
    QByteArray contents;
    const TUserFile user{userFile_, userSeed_};
    QFile old(user.ReadPath());
    if (old.exists()) {
        if (!old.open(QIODevice::ReadOnly))
            return fail(tr("Cannot read the user dictionary \"%1\". %2")
                            .arg(old.fileName(), old.errorString()));
        contents = old.readAll();
        old.close();
    }
    user.MakeFolder(); // a failure shows as the save's error
    if (!contents.isEmpty() && !contents.endsWith('\n'))
        contents += '\n';
    contents += form.toUtf8() + '\n';
    QSaveFile file(userFile_);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() ||
        !file.commit())
        return fail(
            tr("Cannot save the user dictionary \"%1\". %2").arg(userFile_, file.errorString()));
    AddToSession(form);
    return true;
}

void TSpellChecker::AddToSession(const QString &word)
{
    known_.clear(); // other case forms of the word may have been answered already
    const std::optional<std::string> encoded = hunspell_ ? Encode(word) : std::nullopt;
    if (encoded)
        hunspell_->add(*encoded);
}

void TSpellChecker::IgnoreAll(const QString &word)
{
    ignored_.insert(SpellingForm(word));
}
