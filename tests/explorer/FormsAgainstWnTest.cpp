// The built cz.lex against WordNet's own browser and the word lists: a sample of inflected forms
// finds what `wn` finds, and the forms put into synonym lists of common words are real words.
#include "LexDatabase.h"

#include <gtest/gtest.h>
#include <hunspell/hunspell.hxx>

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <unordered_set>

using namespace WordUtils;

namespace {

const std::string LexFile = TOLVANE_APP_DIR "/cz.lex";
const std::string WordNetDir = "/usr/share/wordnet/";

using TFound = std::set<std::pair<int, std::string>>; // part of speech, lower-case lemma

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

std::vector<std::string> Lines(const std::string &path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool HaveWn()
{
    return std::system("command -v wn >/dev/null 2>&1") == 0;
}

// What `wn FORM -over` lists: "Overview of verb work".
TFound WnFinds(const std::string &form)
{
    std::string arg = form;
    std::replace(arg.begin(), arg.end(), ' ', '_');
    TFound found;
    FILE *pipe = popen(("wn '" + arg + "' -over 2>/dev/null").c_str(), "r");
    if (!pipe)
        return found;
    const std::map<std::string, int> posOf = {{"noun", 0}, {"verb", 1}, {"adj", 2}, {"adv", 3}};
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        std::istringstream line(buffer);
        std::string overview, of, pos, lemma;
        if (line >> overview >> of >> pos && overview == "Overview" && of == "of" &&
            posOf.count(pos) && std::getline(line >> std::ws, lemma)) {
            std::replace(lemma.begin(), lemma.end(), '_', ' ');
            found.emplace(posOf.at(pos), Lower(lemma));
        }
    }
    pclose(pipe);
    return found;
}

class FormsAgainstWnTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(QString::fromStdString(LexFile))) << "build the data first";
        db.SetFileName(LexFile);
        db.Open();
        db.Morpher().British = false;
    }
    TFound Found(const std::string &word)
    {
        db.Lookup(word);
        TFound found;
        for (const auto &s : db.Query().Senses())
            found.emplace(s->PartOfSpeech, Lower(s->Headword));
        return found;
    }
    std::set<std::int64_t> Offsets()
    {
        std::set<std::int64_t> offsets;
        for (const auto &s : db.Query().Senses())
            offsets.insert(s->Offset);
        return offsets;
    }
    bool SharesSense(const std::string &lemma, const std::set<std::int64_t> &senses)
    {
        db.Lookup(lemma);
        for (std::int64_t offset : Offsets())
            if (senses.count(offset))
                return true;
        return false;
    }
    TLexDatabase db;
};

// 150 forms from the exception lists and 150 regular inflections of random lemmas, the same
// ones in every run.
std::vector<std::string> SampleForms(const TWordMorpher &regular)
{
    std::mt19937 random(27);
    std::vector<std::string> forms;
    std::vector<std::string> exceptions;
    for (const char *file : {"noun.exc", "verb.exc", "adj.exc"})
        for (const std::string &line : Lines(WordNetDir + file))
            exceptions.push_back(line.substr(0, line.find(' ')));
    std::vector<std::pair<std::string, int>> lemmas; // lemma, part of speech
    const char *const indexes[] = {"index.noun", "index.verb", "index.adj"};
    for (int pos = 0; pos < 3; ++pos)
        for (const std::string &line : Lines(WordNetDir + indexes[pos]))
            if (!line.empty() && line[0] != ' ' && line.find_first_of("_'.") > line.find(' '))
                lemmas.emplace_back(line.substr(0, line.find(' ')), pos);
    std::shuffle(exceptions.begin(), exceptions.end(), random);
    std::shuffle(lemmas.begin(), lemmas.end(), random);
    for (std::size_t i = 0; i < exceptions.size() && forms.size() < 150; ++i)
        if (exceptions[i].find('\'') == std::string::npos) {
            std::replace(exceptions[i].begin(), exceptions[i].end(), '_', ' ');
            forms.push_back(exceptions[i]);
        }
    const std::vector<int> kinds[] = {
        {fkPlural}, {fkThirdPerson, fkPast, fkPresentParticiple}, {fkComparative, fkSuperlative}};
    for (std::size_t i = 0; i < lemmas.size() && forms.size() < 300; ++i) {
        const auto &[lemma, pos] = lemmas[i];
        const std::vector<int> &k = kinds[pos];
        const std::string form = regular.Inflect(lemma, k[i % k.size()]);
        if (!form.empty() && form.find(' ') == std::string::npos)
            forms.push_back(form);
    }
    return forms;
}

TEST_F(FormsAgainstWnTest, ASampleOfFormsFindsWhatWnFinds)
{
    if (!HaveWn())
        GTEST_SKIP() << "wn (package wordnet) is not installed";
    const TWordMorpher regular; // the rules alone, to make regular forms
    const std::vector<std::string> forms = SampleForms(regular);
    ASSERT_EQ(forms.size(), 300u);
    std::vector<std::string> missed;
    std::size_t answered = 0;
    for (const std::string &form : forms) {
        const TFound wn = WnFinds(form);
        if (wn.empty())
            continue;
        ++answered;
        std::set<std::pair<int, std::string>> ours; // by search key: fine-draw is finedraw
        for (const auto &[pos, lemma] : Found(form))
            ours.emplace(pos, SearchKey(lemma));
        const std::set<std::int64_t> senses = Offsets();
        for (const auto &[pos, lemma] : wn) {
            // wn undoes a regular ending that the word's own line refuses ("bpses": bps);
            // the explorer keeps to the line.
            // So is a form listed for another base ("knobkerries": knobkerry), as lines stop
            // the search.
            const std::vector<std::string> line = db.Morpher().ExceptionLine(pos, lemma);
            std::vector<std::string> listedFor;
            db.Morpher().ExceptionBases(pos, form, listedFor);
            if ((!line.empty() && std::find(line.begin(), line.end(), form) == line.end()) ||
                (!listedFor.empty() &&
                 std::find(listedFor.begin(), listedFor.end(), lemma) == listedFor.end()))
                continue;
            // A sense shown under another spelling counts (knobkerries: knobkerry).
            if (!ours.count({pos, SearchKey(lemma)}) && !SharesSense(lemma, senses))
                missed.push_back(form + " -> " + lemma + " (" + PosLetters[pos] + ")");
        }
    }
    std::string list;
    for (const std::string &m : missed)
        list += m + "\n";
    EXPECT_GT(answered, 200u);
    // A regular ending of an acronym typed in lower case ("awols") finds nothing here.
    EXPECT_LE(missed.size(), 2u) << list;
}

// The lemmas most often tagged in WordNet's sense-tagged texts.
std::vector<std::string> FrequentLemmas(std::size_t n)
{
    std::map<std::string, long> counts;
    for (const std::string &line : Lines(WordNetDir + "cntlist.rev")) {
        std::istringstream fields(line);
        std::string key;
        long number = 0, count = 0;
        if (fields >> key >> number >> count)
            counts[key.substr(0, key.find('%'))] += count;
    }
    std::vector<std::pair<long, std::string>> ranked;
    for (const auto &[lemma, count] : counts)
        ranked.emplace_back(-count, lemma);
    std::sort(ranked.begin(), ranked.end());
    std::vector<std::string> out;
    for (std::size_t i = 0; i < ranked.size() && i < n; ++i) {
        std::string lemma = ranked[i].second;
        std::replace(lemma.begin(), lemma.end(), '_', ' ');
        out.push_back(lemma);
    }
    return out;
}

class TWordLists
{
public:
    // The word lists, the Hunspell dictionary, and the forms WordNet lists itself (spudded,
    // pedes, uprose): right English the lists lack.
    TWordLists() : hunspell_("/usr/share/hunspell/en_US.aff", "/usr/share/hunspell/en_US.dic")
    {
        for (const char *file :
             {"/usr/share/dict/american-english-large", "/usr/share/dict/british-english"})
            for (const std::string &line : Lines(file))
                words_.insert(line);
        for (const char *file : {"noun.exc", "verb.exc", "adj.exc"})
            for (const std::string &line : Lines(WordNetDir + file))
                AddParts(line.substr(0, line.find(' ')));
    }
    bool Knows(const std::string &word)
    {
        return words_.count(word) || words_.count(Lower(word)) || hunspell_.spell(word);
    }
    // Every space- or hyphen-separated part known.
    bool KnowsAll(const std::string &text)
    {
        std::string part;
        for (std::size_t i = 0; i <= text.size(); ++i) {
            if (i == text.size() || text[i] == ' ' || text[i] == '-') {
                if (!part.empty() && !Knows(part))
                    return false;
                part.clear();
            } else {
                part += text[i];
            }
        }
        return true;
    }

private:
    void AddParts(const std::string &text)
    {
        std::string part;
        for (char c : text + "_") {
            if (c == '_' || c == '-') {
                words_.insert(part);
                part.clear();
            } else {
                part += c;
            }
        }
    }
    std::unordered_set<std::string> words_;
    Hunspell hunspell_;
};

TEST_F(FormsAgainstWnTest, SynonymFormsOfCommonWordsAreRealWords)
{
    const std::vector<std::string> lemmas = FrequentLemmas(2000);
    ASSERT_EQ(lemmas.size(), 2000u);
    TWordLists lists;
    const std::vector<int> kinds[] = {
        {fkPlural},
        {fkThirdPerson, fkPast, fkPastParticiple, fkPresentParticiple},
        {fkComparative, fkSuperlative}};
    // Only the forms that the database's word-form strings make: a plain regular form of a rare
    // word is right English the lists may lack (actioned, warmths), and the wrong ones among
    // them (sheeps, setted) are the other tests' cases.
    const TWordMorpher plain;
    std::set<std::string> wrong;
    std::size_t checked = 0;
    for (const std::string &lemma : lemmas) {
        db.Lookup(lemma);
        for (const auto &sense : db.Query().Senses()) {
            if (sense->PartOfSpeech > 2 || Lower(sense->Headword) != lemma)
                continue;
            for (const TSynsetWord &w : sense->AllWords) {
                if (!lists.KnowsAll(w.Word))
                    continue; // a word the lists do not know cannot tell its forms either
                for (int kind : kinds[sense->PartOfSpeech]) {
                    std::vector<std::string> one{w.Word};
                    db.Morpher().InflectList(one, kind);
                    const std::string &form = one.front();
                    // Compounds of "man" and Greek nouns in -sis have rules of their own
                    // (bookmen, noeses).
                    auto ends = [](const std::string &t, const char *tail) {
                        const std::size_t n = std::strlen(tail);
                        return t.size() > n && t.compare(t.size() - n, n, tail) == 0;
                    };
                    const bool men =
                        kind == fkPlural &&
                        (ends(form, "men") || (ends(w.Word, "sis") && ends(form, "ses")));
                    if (form.back() == '*' || form == plain.Inflect(w.Word, kind) || men)
                        continue;
                    ++checked;
                    if (!lists.KnowsAll(form))
                        wrong.insert(w.Word + " -> " + form);
                }
            }
        }
    }
    std::string list;
    for (const std::string &w : wrong)
        list += w + "\n";
    EXPECT_GT(checked, 1000u);
    EXPECT_TRUE(wrong.empty()) << wrong.size() << " forms:\n" << list;
}

} // namespace
