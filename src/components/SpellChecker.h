#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class Hunspell;

// A word of a line the checker objects to: not in the dictionaries, or the same word twice.
struct TMisspelling
{
    enum Kind
    {
        Misspelled,
        Repeated
    };
    int start = 0;
    int length = 0;
    Kind kind = Misspelled;
    QString word;

    int end() const { return start + length; }
};

// The spell checker over Hunspell: American English from the application folder, the user's
// own words from "spellconfig.dic" beside it (one word a line, UTF-8) and a session list of
// words to ignore. Hunspell is not thread-safe: use one checker from the user-interface thread.
class TSpellChecker
{
    Q_DECLARE_TR_FUNCTIONS(TSpellChecker)

public:
    static constexpr int MaxSuggestions = 8;

    // The checker over the application folder's files, created on first request.
    static TSpellChecker &Instance();
    static void FreeInstance();

    static QString DefaultAffixFile();
    static QString DefaultDictionaryFile();
    // Beside them, or in the per-user configuration folder when the program cannot write there.
    static QString DefaultUserFile();

    // While userFile does not exist, the words of userSeed (when given) are the user's; the first
    // added word makes userFile from them.
    TSpellChecker(const QString &affixFile, const QString &dictionaryFile, const QString &userFile,
                  const QString &userSeed = QString());
    ~TSpellChecker();
    TSpellChecker(const TSpellChecker &) = delete;
    TSpellChecker &operator=(const TSpellChecker &) = delete;

    // False when the dictionary could not be loaded; then every word is correct.
    bool IsAvailable() const { return hunspell_ != nullptr; }
    // Why the checker is unavailable.
    QString ErrorMessage() const { return error_; }

    // A single word, without surrounding punctuation. A word the dictionary's encoding cannot
    // hold is taken as correct.
    bool IsCorrect(const QString &word) const;
    QStringList Suggest(const QString &word, int limit = MaxSuggestions) const;
    // The misspelled and repeated words of a line, left to right.
    std::vector<TMisspelling> CheckLine(const QString &line) const;

    // Adds the word to the user dictionary file and to this session. On failure the file keeps
    // its previous contents, the word is not added and error says why.
    bool AddWord(const QString &word, QString *error = nullptr);
    // Accepts the word for the rest of the session.
    void IgnoreAll(const QString &word);
    QString UserFile() const { return userFile_; }

private:
    void Load(const QString &affixFile, const QString &dictionaryFile);
    void LoadUserWords();
    void AddToSession(const QString &word);
    bool CheckWord(const QString &word) const;
    std::optional<std::string> Encode(const QString &word) const;

    std::unique_ptr<Hunspell> hunspell_;
    QString error_;
    QString userFile_;
    QString userSeed_;
    QByteArray encoding_;
    QSet<QString> ignored_;
    mutable QHash<QString, bool> known_; // answers so far; a poem repeats its words
};
