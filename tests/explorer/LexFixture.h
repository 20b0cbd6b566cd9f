#pragma once

#include "LexDatabase.h"
#include "LexModels.h"
#include "LexWriter.h"

#include "TempDir.h"

#include <QFile>

#include <string>

// A small hand-made database: dogs, running, bright and dull, with word forms.
inline TLexWriter SmallLexWriter()
{
    TLexWriter w;
    w.SetTokens(LexModels::TokenList());
    const int dog = w.AddSense(0, "dog;domestic dog;Canis familiaris:a member of the genus Canis\n"
                                  "the ^ barked all night");
    const int frump = w.AddSense(0, "frump;dog^BV:a dull unattractive unpleasant girl or woman");
    const int canine = w.AddSense(0, "canine;canid:{Animal}any of various fissiped mammals\n"
                                     "the canine and the ^");
    const int run = w.AddSense(1, "run;sprint;hurry:move fast by using one's feet\n^ to the shop");
    const int walk = w.AddSense(1, "walk:use one's feet to advance");
    const int bright = w.AddSense(2, "bright;brilliant:emitting or reflecting light readily\n"
                                     "a ^ sunlit room");
    const int dull = w.AddSense(2, "dull:emitting or reflecting very little light");
    const int shining = w.AddSense(2, "shining;beaming;glistening:");
    const int dim = w.AddSense(2, "dim:lacking in light");
    const int bigDog = w.AddSense(0, "Dog:a small constellation");
    const int its = w.AddSense(0, "it's:a contraction");
    const int it = w.AddSense(0, "it:the thing named before");
    w.SetPointers(dog, {{6, canine, 0, 0}});
    w.SetPointers(canine, {{7, dog, 0, 1}});
    w.SetPointers(run, {{0, walk, 0, 0}});
    w.SetPointers(bright, {{0, dull, 1, 1}, {11, shining, 0, 0}, {10, shining, 0, 3}});
    w.SetPointers(dull, {{0, bright, 1, 1}, {11, dim, 0, 0}});
    const std::vector<std::pair<std::string, std::vector<int>>> words = {
        {"dog", {dog, frump}},
        {"domestic dog", {dog}},
        {"Canis familiaris", {dog}},
        {"frump", {frump}},
        {"canine", {canine}},
        {"canid", {canine}},
        {"run", {run}},
        {"sprint", {run}},
        {"hurry", {run}},
        {"walk", {walk}},
        {"bright", {bright}},
        {"brilliant", {bright}},
        {"dull", {dull}},
        {"shining", {shining}},
        {"beaming", {shining}},
        {"glistening", {shining}},
        {"dim", {dim}},
        {"Dog", {bigDog}},
        {"it's", {its}},
        {"it", {it}}};
    for (const auto &[word, senses] : words)
        w.AddWord(word, word == "bright" ? "'brIt\\" : word == "dog" ? "'dog\\B" : "", senses);
    w.SetFormStrings({"\nchild,children\n", "\nrun,ran,run,running\n", "\ngood,better,best\n",
                      "\nBRIGHT\nDULL\nDIM\n", "\nSTOP\n", "\nTRAVEL\n",
                      "color=colour\nrealize=;realise\n"});
    return w;
}

// The small database written to a scratch file.
class SmallLexFile
{
public:
    SmallLexFile() : bytes_(SmallLexWriter().Build()) { Write(bytes_); }

    void Write(const std::string &bytes)
    {
        QFile file(Path());
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes.data(), qint64(bytes.size()));
    }
    QString Path() const { return dir_.file("cz.lex"); }
    const std::string &Bytes() const { return bytes_; }

private:
    TempDir dir_;
    std::string bytes_;
};
