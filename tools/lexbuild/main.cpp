// tolvane-lexbuild: writes the word explorer's cz.lex from WordNet 3.0, the CMU Pronouncing
// Dictionary and the word lists; --print-models prints the derived model and token tables.
#include "LexBuild.h"
#include "TextUtils.h"

#include <array>
#include <fstream>
#include <iostream>
#include <map>
#include <set>

namespace {

int Usage()
{
    std::cerr << "usage: tolvane-lexbuild --wordnet DIR --cmu INDEX_JS --american LIST[,LIST]"
                 " --british LIST (--out FILE | --print-models)\n";
    return 2;
}

void AddWords(std::set<std::string> &words, const std::string &paths)
{
    for (std::string_view path : SplitOn(paths, ','))
        ForEachLine(ReadWholeFile(std::string(path)), [&](std::string_view line) {
            if (!line.empty())
                words.emplace(line);
        });
}

} // namespace

int main(int argc, char **argv)
{
    std::map<std::string, std::string> options;
    bool printModels = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--print-models")
            printModels = true;
        else if (i + 1 < argc)
            options[option] = argv[++i];
        else
            return Usage();
    }
    for (const char *required : {"--wordnet", "--cmu", "--american", "--british"})
        if (!options.count(required))
            return Usage();
    if (!printModels && !options.count("--out"))
        return Usage();
    try {
        const std::string dir = options["--wordnet"];
        TWordNetSource wordnet;
        wordnet.Load(dir);
        TCmuDictionary cmu;
        cmu.Parse(ReadWholeFile(options["--cmu"]));
        TFormSources forms;
        forms.nounExc = ReadWholeFile(dir + "/noun.exc");
        forms.verbExc = ReadWholeFile(dir + "/verb.exc");
        forms.adjExc = ReadWholeFile(dir + "/adj.exc");
        forms.advExc = ReadWholeFile(dir + "/adv.exc");
        AddWords(forms.american, options["--american"]);
        AddWords(forms.british, options["--british"]);
        std::array<std::set<std::string>, 3> lemmas; // nouns, verbs, adjectives
        for (const TWnSynset &s : wordnet.Synsets())
            if (s.pos <= 2)
                lemmas[s.pos].insert(s.words.begin(), s.words.end());
        forms.nouns.assign(lemmas[0].begin(), lemmas[0].end());
        forms.verbs.assign(lemmas[1].begin(), lemmas[1].end());
        forms.adjectives.assign(lemmas[2].begin(), lemmas[2].end());
        const TLexBuilder builder(wordnet, cmu, BuildFormStrings(forms));
        if (printModels) {
            std::cout << builder.ModelSource();
            return 0;
        }
        const std::string bytes = builder.Build();
        const std::string out = options["--out"];
        const std::string temp = out + ".tmp";
        {
            std::ofstream file(temp, std::ios::binary | std::ios::trunc);
            file.write(bytes.data(), std::streamsize(bytes.size()));
            if (!file)
                throw std::runtime_error("cannot write " + temp);
        }
        if (std::rename(temp.c_str(), out.c_str()) != 0)
            throw std::runtime_error("cannot write " + out);
    } catch (const std::exception &e) {
        std::cerr << "tolvane-lexbuild: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
