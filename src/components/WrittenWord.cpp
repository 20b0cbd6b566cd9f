#include "WrittenWord.h"

#include <QSet>

namespace {

// Articles, pronouns, prepositions, conjunctions and the forms of "be", "have" and "do": what
// meanings of their own a thesaurus has for them are written in lower case ("in": fashionable);
// their capitalised spellings there are abbreviations and symbols ("US", "He", "In", "AM"). The
// modal verbs are not among them: "May" is the month, "will" and "can" are nouns too.
const char *const FunctionWords[] = {
    "a",       "about",    "above",      "across",  "after",   "against", "along",     "although",
    "am",      "among",    "an",         "and",     "any",     "are",     "around",    "as",
    "at",      "be",       "because",    "been",    "before",  "behind",  "being",     "below",
    "beneath", "beside",   "between",    "beyond",  "both",    "but",     "by",        "did",
    "do",      "does",     "down",       "during",  "each",    "either",  "every",     "for",
    "from",    "had",      "has",        "have",    "he",      "her",     "hers",      "herself",
    "him",     "himself",  "his",        "how",     "i",       "if",      "in",        "inside",
    "into",    "is",       "it",         "its",     "itself",  "me",      "mine",      "my",
    "myself",  "near",     "neither",    "no",      "nor",     "not",     "of",        "off",
    "oh",      "on",       "onto",       "or",      "our",     "ours",    "ourselves", "out",
    "over",    "she",      "since",      "so",      "than",    "that",    "the",       "their",
    "theirs",  "them",     "themselves", "then",    "there",   "these",   "they",      "this",
    "those",   "though",   "through",    "till",    "to",      "toward",  "towards",   "under",
    "unless",  "until",    "up",         "upon",    "us",      "was",     "we",        "were",
    "what",    "when",     "where",      "whether", "which",   "while",   "who",       "whom",
    "whose",   "why",      "with",       "within",  "without", "yet",     "you",       "your",
    "yours",   "yourself", "yourselves"};

bool IsFunctionWord(const QString &lower)
{
    static const QSet<QString> words = [] {
        QSet<QString> set;
        for (const char *word : FunctionWords)
            set.insert(QString::fromLatin1(word));
        return set;
    }();
    return words.contains(lower);
}

} // namespace

TWrittenWord::TWrittenWord(const QString &word)
    : word_(word), lower_(word.toLower()), single_(word.size() == 1),
      function_(IsFunctionWord(lower_)),
      capitalised_(word != lower_ && word == lower_.left(1).toUpper() + lower_.mid(1))
{}

bool TWrittenWord::Owns(const QString &spelling) const
{
    if (single_)
        return false;
    if (spelling == word_)
        return !(function_ && capitalised_);
    return capitalised_ && spelling == lower_;
}
